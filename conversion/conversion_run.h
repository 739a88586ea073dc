// Converts every listed PDF file by running pwt.exe once per row.
#pragma once

#include <windows.h>

void ConversionRun(HWND fileList, HWND folderBox);
