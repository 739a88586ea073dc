// What another process holds, read from outside: the figures a leak would make grow.
#pragma once

#include <windows.h>

struct ProcessFigures {
    DWORD Handles = 0;
    SIZE_T PrivateBytes = 0;
    SIZE_T WorkingSet = 0;
    DWORD GdiObjects = 0;
    DWORD UserObjects = 0;
};

ProcessFigures ReadProcessFigures(HANDLE process);
