// What another process holds, read from outside: the figures a leak would make grow. Both are counted the
// long way, because Wine answers GetProcessHandleCount and GetProcessMemoryInfo for another process with 0.
#pragma once

#include <windows.h>

struct ProcessFigures {
    DWORD Handles = 0;        // the process's entries in the system's handle table
    SIZE_T PrivateBytes = 0;  // committed private memory, region by region (VirtualQueryEx)
};

ProcessFigures ReadProcessFigures(HANDLE process);
