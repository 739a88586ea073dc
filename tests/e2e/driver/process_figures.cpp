#include "process_figures.h"

#include <psapi.h>

ProcessFigures ReadProcessFigures(HANDLE process) {
    ProcessFigures figures;
    GetProcessHandleCount(process, &figures.Handles);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof(memory);
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS *>(&memory), sizeof(memory))) {
        figures.PrivateBytes = memory.PrivateUsage;
        figures.WorkingSet = memory.WorkingSetSize;
    }
    figures.GdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
    figures.UserObjects = GetGuiResources(process, GR_USEROBJECTS);
    return figures;
}
