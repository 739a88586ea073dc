#include "test_owner.h"

#include <commctrl.h>

TestOwner::TestOwner() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    window_ = CreateWindowExA(WS_EX_APPWINDOW, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 100, 100, 650, 460,
                              nullptr, nullptr, nullptr, nullptr);
    fileList_ = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, 8,
                                86, 635, 280, window_, nullptr, nullptr, nullptr);
    const char *titles[] = {"No", "Path", "State"};
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 100;
        column.pszText = const_cast<char *>(titles[i]);
        SendMessageA(fileList_, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    folderBox_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 7, 416, 489, 30,
                                 window_, nullptr, nullptr, nullptr);
}

TestOwner::~TestOwner() { DestroyWindow(window_); }

void TestOwner::AddRow(const std::string &number, const std::string &path) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = RowCount();
    item.pszText = const_cast<char *>(number.c_str());
    int row = static_cast<int>(SendMessageA(fileList_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    item.iSubItem = 1;
    item.pszText = const_cast<char *>(path.c_str());
    SendMessageA(fileList_, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

int TestOwner::RowCount() const { return static_cast<int>(SendMessageA(fileList_, LVM_GETITEMCOUNT, 0, 0)); }

std::string TestOwner::CellText(int row, int column) const {
    char text[1024] = "";
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    int length =
        static_cast<int>(SendMessageA(fileList_, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)));
    return std::string(text, length);
}

std::string TestOwner::FolderText() const {
    char text[1024];
    return std::string(text, GetWindowTextA(folderBox_, text, sizeof(text)));
}
