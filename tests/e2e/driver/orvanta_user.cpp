#include "orvanta_user.h"

#include "user_input.h"
#include "windows_of.h"

#include <commctrl.h>
#include <dlgs.h>

namespace {

constexpr DWORD WindowLimit = 15000;

// The centres of the main window's controls, in window coordinates. The buttons on the panel, which lies
// at (-1, 54), are given at their panel position plus that offset plus half their size.
constexpr POINT AddFilesButton{8 + 44, 375 + 15};
constexpr POINT DeleteButton{107 + 44, 375 + 15};
constexpr POINT ClearButton{205 + 44, 375 + 15};
constexpr POINT StartButton{554 + 44, 415 + 15};
constexpr POINT FolderHint{12 + 126, 420 + 12};
constexpr POINT MenuButton{553 + 14, 8 + 14};
constexpr POINT CloseButton{614 + 14, 8 + 14};
// The menu popup opens at the main window's corner plus (550, 40); its one visible item, "关于", fills its
// rows 5 to 30.
constexpr POINT AboutItem{550 + 49, 40 + 18};
constexpr SIZE MenuSize{98, 37};
constexpr SIZE AboutSize{460, 280};
constexpr POINT AboutClose{424 + 13, 11 + 13};

void Click(HWND window, POINT at) { ClickAt(window, at.x, at.y); }

} // namespace

OrvantaUser::OrvantaUser(const std::string &program, const std::string &currentDirectory)
    : process_(program, currentDirectory) {
    if (!process_.Started())
        return;
    const DWORD id = process_.Id();
    WaitUntil(
        [&] {
            main_ = FindProcessWindow(id, [](HWND w) { return WindowText(w) == "Orvanta"; });
            return main_ != nullptr;
        },
        WindowLimit);
    if (!main_)
        return;
    // The window binds its own accessor once its controls exist; wait for the list and the box likewise.
    WaitUntil([&] { return (listWindow_ = FindDescendant(main_, WC_LISTVIEWA)) != nullptr; }, WindowLimit);
    folderBox_ = FindDescendant(main_, WC_EDITA);
    if (listWindow_)
        list_ = std::make_unique<RemoteFileList>(listWindow_);
}

bool OrvantaUser::WaitForDialog(HWND &dialog) {
    const DWORD id = process_.Id();
    return WaitUntil(
        [&] {
            dialog = FindProcessWindow(id, [](HWND w) { return WindowClass(w) == "#32770"; });
            return dialog != nullptr;
        },
        WindowLimit);
}

bool OrvantaUser::AddFiles(const std::string &names) {
    Click(main_, AddFilesButton);
    HWND dialog = nullptr;
    if (!WaitForDialog(dialog))
        return false;
    // The explorer-style dialog has a combo box for the name; older layouts have a plain edit.
    HWND nameBox = GetDlgItem(dialog, cmb13);
    if (!nameBox)
        nameBox = GetDlgItem(dialog, edt1);
    SendMessageA(nameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(names.c_str()));
    RECT dialogRect{}, button{};
    GetWindowRect(dialog, &dialogRect);
    GetWindowRect(GetDlgItem(dialog, IDOK), &button);
    ClickAt(dialog, (button.left + button.right) / 2 - dialogRect.left, (button.top + button.bottom) / 2 - dialogRect.top);
    if (WaitUntil([&] { return !IsWindow(dialog); }, WindowLimit))
        return true;
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return false;
}

bool OrvantaUser::TypeOutputFolder(const std::string &folder) {
    Click(main_, FolderHint);
    TypeText(folder);
    return WaitUntil([&] { return WindowText(folderBox_) == folder; }, WindowLimit);
}

void OrvantaUser::ClickStart() { Click(main_, StartButton); }

void OrvantaUser::ClickDelete() { Click(main_, DeleteButton); }

void OrvantaUser::ClickClear() { Click(main_, ClearButton); }

void OrvantaUser::ClickRow(int row) {
    const RECT r = list_->RowRect(row);
    POINT at{r.left + 80, (r.top + r.bottom) / 2};
    ClientToScreen(listWindow_, &at);
    RECT window{};
    GetWindowRect(main_, &window);
    ClickAt(main_, at.x - window.left, at.y - window.top);
}

bool OrvantaUser::OpenAndCloseAbout() {
    const DWORD id = process_.Id();
    auto sized = [id](SIZE size) {
        return FindProcessWindow(id, [size](HWND w) {
            const SIZE s = WindowSize(w);
            return s.cx == size.cx && s.cy == size.cy;
        });
    };
    Click(main_, MenuButton);
    if (!WaitUntil([&] { return sized(MenuSize) != nullptr; }, WindowLimit))
        return false;
    Click(main_, AboutItem);
    HWND about = nullptr;
    if (!WaitUntil([&] { return (about = sized(AboutSize)) != nullptr; }, WindowLimit))
        return false;
    Click(about, AboutClose);
    return WaitUntil([&] { return !IsWindow(about) || !IsWindowVisible(about); }, WindowLimit);
}

void OrvantaUser::ClickClose() { Click(main_, CloseButton); }
