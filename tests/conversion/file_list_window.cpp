#include "file_list_window.h"

#include <commctrl.h>

#include <cstdio>

namespace {

const char ClassName[] = "OrvantaConversionTestWindow";
const UINT PostedAction = WM_APP, SentAction = WM_APP + 1;
const UINT_PTR ActionTimer = 1;

void RegisterClassOnce(WNDPROC procedure) {
    static bool registered = [procedure] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        WNDCLASSEXA windowClass{sizeof(windowClass)};
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = ClassName;
        return RegisterClassExA(&windowClass) != 0;
    }();
    (void)registered;
}

// The test code runs inside a window procedure, which exceptions must not leave.
void RunGuarded(const std::function<void()> &action) {
    try {
        if (action)
            action();
    } catch (...) {
        std::fprintf(stderr, "exception in a test action\n");
    }
}

} // namespace

FileListWindow::FileListWindow() {
    RegisterClassOnce(Procedure);
    window_ = CreateWindowExA(0, ClassName, "conversion test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 660,
                              470, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    list_ = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, 8, 8,
                            635, 280, window_, nullptr, GetModuleHandleA(nullptr), nullptr);
    const char *captions[] = {"序号", "路径", "状态"};
    const int widths[] = {50, 400, 100};
    for (int column = 0; column < 3; ++column) {
        LVCOLUMNA record{};
        record.mask = LVCF_TEXT | LVCF_WIDTH;
        record.pszText = const_cast<char *>(captions[column]);
        record.cx = widths[column];
        ListView_InsertColumn(list_, column, &record);
    }
    folderBox_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 8, 300, 489, 24,
                                 window_, nullptr, GetModuleHandleA(nullptr), nullptr);
}

FileListWindow::~FileListWindow() {
    if (IsWindow(window_))
        DestroyWindow(window_);
}

void FileListWindow::AddRow(const std::string &path) {
    int row = RowCount();
    std::string number = std::to_string(row + 1);
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char *>(number.c_str());
    ListView_InsertItem(list_, &item);
    ListView_SetItemText(list_, row, 1, const_cast<char *>(path.c_str()));
    ListView_SetItemText(list_, row, 2, const_cast<char *>(""));
}

std::string FileListWindow::Status(int row) const {
    char text[256] = "";
    ListView_GetItemText(list_, row, 2, text, sizeof text);
    return text;
}

int FileListWindow::RowCount() const { return ListView_GetItemCount(list_); }

void FileListWindow::SetFolder(const std::string &text) { SetWindowTextA(folderBox_, text.c_str()); }

void FileListWindow::PostAction(std::function<void()> action) {
    posted_ = std::move(action);
    PostMessageA(window_, PostedAction, 0, 0);
}

bool FileListWindow::SendAction(DWORD timeoutMilliseconds) const {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window_, SentAction, 0, 0, SMTO_NORMAL, timeoutMilliseconds, &result) != 0;
}

void FileListWindow::ActionAfter(UINT milliseconds, std::function<void()> action) {
    timed_ = std::move(action);
    SetTimer(window_, ActionTimer, milliseconds, nullptr);
}

LRESULT CALLBACK FileListWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto *self = reinterpret_cast<FileListWindow *>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case PostedAction:
        RunGuarded(self->posted_);
        return 0;
    case SentAction:
        RunGuarded(self->sent_);
        return 0;
    case WM_TIMER:
        KillTimer(window, ActionTimer);
        RunGuarded(self->timed_);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
