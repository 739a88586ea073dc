// The frameless main window: title area, file list, output-folder box and the flat buttons.
#pragma once

#include <windows.h>

void RegisterWindowClasses(HINSTANCE instance);
HWND OpenMainWindow(HINSTANCE instance);
