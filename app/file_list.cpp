#include "app/file_list.h"

ListViewAccessor *FileListAccessor = nullptr;

void CreateFileListAccessor() {}
void DestroyFileListAccessor() {}
void BindFileList(HWND) {}
void DeleteSelectedFile(HWND) {}
