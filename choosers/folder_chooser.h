// Asks for the output folder with the system's folder dialog and writes it into the folder box.
#pragma once

#include <windows.h>

void ChooseOutputFolder(HWND mainWindow, HWND folderBox);
