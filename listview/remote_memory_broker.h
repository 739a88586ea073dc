// Memory in the process that owns a window, so that messages carrying record pointers can cross processes.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <vector>

// One block of the mapping path: the mapping object and where its view lies.
struct ViewRecord {
    HANDLE Mapping;
    void *View;
};

// The system's platform code: 3 for the NT family, 2 for Windows 9x, 1 for Win32s, 0 otherwise.
int SystemPlatformCode();

class RemoteMemoryBroker {
public:
    using PlatformQuery = int (*)();

    // The query is asked on every Reserve; tests hand in one that forces the mapping path.
    explicit RemoteMemoryBroker(PlatformQuery platformQuery = SystemPlatformCode);
    RemoteMemoryBroker(const RemoteMemoryBroker &) = delete;
    RemoteMemoryBroker &operator=(const RemoteMemoryBroker &) = delete;

    // Drops the records without unmapping their views or closing their mappings.
    virtual ~RemoteMemoryBroker();
    virtual std::unique_ptr<RemoteMemoryBroker> Clone() const;
    // Closes the process handle (0: nothing at all) and forgets every view record.
    virtual void Close(HANDLE process);
    virtual HANDLE OpenWindowProcess(HWND window);
    virtual bool Write(HANDLE process, void *remote, const void *local, std::size_t size);
    virtual void *Reserve(HANDLE process, std::size_t size);
    virtual void Release(HANDLE process, void *address);
    // Always `size` bytes; whatever could not be read stays zero.
    virtual std::vector<char> Read(HANDLE process, const void *remote, std::size_t size);

    int PlatformCode = 0;
    std::vector<ViewRecord> Views;

private:
    PlatformQuery platformQuery_;
};
