// The application's one list-view accessor, bound to its own file list.
#pragma once

#include <windows.h>

class ListViewAccessor;

extern ListViewAccessor *FileListAccessor;

void CreateFileListAccessor();    // first step of InitGlobals
void DestroyFileListAccessor();   // second step of ReleaseGlobals
void BindFileList(HWND fileList); // once the main window's controls exist
void DeleteSelectedFile(HWND fileList);
