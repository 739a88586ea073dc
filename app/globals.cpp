#include "app/globals.h"

#include "app/file_list.h"

#include <cstdlib>

SECURITY_ATTRIBUTES *PipeAttributes = nullptr;
StartupRecord *ChildStartupInfo = nullptr;
PROCESS_INFORMATION *ChildProcessInfo = nullptr;

char *InitialFolder = nullptr;
HANDLE PipeReadHandle = nullptr, PipeWriteHandle = nullptr;
DWORD PipeBytesCount = 0, ChildExitCode = 0;
BYTE *ReadBuffer = nullptr;
char *CapturedOutput = nullptr;

namespace {

template <typename T> T *NewZeroed() {
    return static_cast<T *>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(T)));
}

template <typename T> void ReleaseCell(T *&cell) {
    if (cell) {
        HeapRelease(cell);
        cell = nullptr;
    }
}

} // namespace

char *HeapText(const char *text) {
    size_t size = lstrlenA(text) + 1;
    char *copy = static_cast<char *>(HeapAlloc(GetProcessHeap(), 0, size));
    CopyMemory(copy, text, size);
    return copy;
}

void HeapRelease(void *block) { HeapFree(GetProcessHeap(), 0, block); }

void InitGlobals() {
    CreateFileListAccessor();
    PipeAttributes = NewZeroed<SECURITY_ATTRIBUTES>();
    ChildStartupInfo = NewZeroed<StartupRecord>();
    ChildProcessInfo = NewZeroed<PROCESS_INFORMATION>();
}

void ReleaseGlobals() {
    ReleaseCell(InitialFolder);
    DestroyFileListAccessor();
    ReleaseCell(PipeAttributes);
    if (ChildStartupInfo) {
        ReleaseCell(ChildStartupInfo->lpReserved);
        ReleaseCell(ChildStartupInfo->lpDesktop);
        ReleaseCell(ChildStartupInfo->lpTitle);
    }
    ReleaseCell(ChildStartupInfo);
    ReleaseCell(ChildProcessInfo);
    ReleaseCell(ReadBuffer);
    ReleaseCell(CapturedOutput);
}

void RegisterShutdown() {
    static bool registered = false;
    if (!registered)
        std::atexit(ReleaseGlobals);
    registered = true;
}
