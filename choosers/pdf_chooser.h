// Asks for PDF files with the system's open dialog and appends them to the file list.
#pragma once

#include <windows.h>

void AddPdfFiles(HWND mainWindow, HWND fileList);
