#include "app/file_list.h"

#include "listview/list_view_accessor.h"

#include <commctrl.h>

#include <string>

ListViewAccessor *FileListAccessor = nullptr;

void CreateFileListAccessor() { FileListAccessor = new ListViewAccessor; }

void DestroyFileListAccessor() {
    delete FileListAccessor;
    FileListAccessor = nullptr;
}

void BindFileList(HWND fileList) { FileListAccessor->Bind(fileList); }

// Only the deletion goes through the accessor; the rest asks the list itself.
void DeleteSelectedFile(HWND fileList) {
    const int selected = ListView_GetNextItem(fileList, -1, LVNI_SELECTED);
    FileListAccessor->DeleteItem(selected);
    const int count = ListView_GetItemCount(fileList);
    for (int i = 1; i <= count; ++i) {
        std::string number = std::to_string(i);
        ListView_SetItemText(fileList, i - 1, 0, number.data());
    }
}
