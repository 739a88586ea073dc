// Asks for PDF files with the system's open dialog and appends them to the file list.
#pragma once

#include <windows.h>

#include <string>

// Opens the multiple-selection open dialog and returns the chosen full paths, one per line with CR LF between
// them, or the empty text when the dialog was cancelled or failed. The dialog starts in `initialDirectory`,
// or in the current directory when none is given. The current directory is put back afterwards unless
// `keepCurrentDirectory` is set.
std::string PdfChooser(HWND owner, const std::string &title, const std::string &filter,
                       const std::string &initialDirectory = {}, bool keepCurrentDirectory = false);

// Appends one row per chosen file: the next row number, the path and an empty status.
void AddPdfFiles(HWND mainWindow, HWND fileList);
