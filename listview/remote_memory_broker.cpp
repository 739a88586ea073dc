#include "listview/remote_memory_broker.h"

#include <algorithm>

namespace {

constexpr int kNtPlatform = 3;
// The all-access mask of the older headers; the newer PROCESS_ALL_ACCESS is refused by older systems.
constexpr DWORD kProcessAllAccess = 0x1F0FFF;

} // namespace

int SystemPlatformCode() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version))
        return 0;
    switch (version.dwPlatformId) {
    case VER_PLATFORM_WIN32_NT:
        return 3;
    case VER_PLATFORM_WIN32_WINDOWS:
        return 2;
    case VER_PLATFORM_WIN32s:
        return 1;
    default:
        return 0;
    }
}

RemoteMemoryBroker::RemoteMemoryBroker(PlatformQuery platformQuery) : platformQuery_(platformQuery) {}

RemoteMemoryBroker::~RemoteMemoryBroker() = default;

std::unique_ptr<RemoteMemoryBroker> RemoteMemoryBroker::Clone() const {
    auto copy = std::make_unique<RemoteMemoryBroker>(platformQuery_);
    copy->PlatformCode = PlatformCode;
    copy->Views = Views;
    return copy;
}

void RemoteMemoryBroker::Close(HANDLE process) {
    if (!process)
        return;
    CloseHandle(process);
    Views.clear();
}

HANDLE RemoteMemoryBroker::OpenWindowProcess(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return OpenProcess(kProcessAllAccess, FALSE, processId);
}

bool RemoteMemoryBroker::Write(HANDLE process, void *remote, const void *local, std::size_t size) {
    return WriteProcessMemory(process, remote, local, size, nullptr) != FALSE;
}

void *RemoteMemoryBroker::Reserve(HANDLE process, std::size_t size) {
    PlatformCode = platformQuery_();
    if (PlatformCode == kNtPlatform)
        return VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    // Systems without VirtualAllocEx share memory between processes through views of the paging file.
    HANDLE mapping =
        CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, static_cast<DWORD>(size), "");
    void *view = MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0);
    Views.push_back({mapping, view});
    return view;
}

void RemoteMemoryBroker::Release(HANDLE process, void *address) {
    if (PlatformCode == kNtPlatform) {
        VirtualFreeEx(process, address, 0, MEM_RELEASE);
        return;
    }
    auto found = std::find_if(Views.begin(), Views.end(),
                              [address](const ViewRecord &record) { return record.View == address; });
    if (found == Views.end())
        return;
    UnmapViewOfFile(found->View);
    CloseHandle(found->Mapping);
    Views.erase(found);
}

std::vector<char> RemoteMemoryBroker::Read(HANDLE process, const void *remote, std::size_t size) {
    std::vector<char> bytes(size);
    SIZE_T bytesRead = 0;
    ReadProcessMemory(process, remote, bytes.data(), size, &bytesRead);
    return bytes;
}
