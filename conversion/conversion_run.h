// Converts every listed PDF file by running pwt.exe once per row.
#pragma once

#include <windows.h>

#include <string>

// The click handler of the start button: converts with the pwt.exe in the program's own folder, or opens
// the notice when no output folder is given.
void ConversionRun(HWND fileList, HWND folderBox);

// The run itself, with the folder that holds pwt.exe and the notice to open given by the caller. A call made
// while a run is in progress (a click dispatched from inside the runner) does nothing.
void ConvertListedFiles(HWND fileList, HWND folderBox, const std::string &runDirectory, void (*openNotice)());
