// The rows of the file list as the conversion reads and writes them.
#pragma once

#include <windows.h>

#include <string>

int ListRowCount(HWND list);
std::string ListCellText(HWND list, int row, int column);
void SetListCellText(HWND list, int row, int column, const std::string &text);
