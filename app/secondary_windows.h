// The popup menu, the about box and the notice: small frameless windows opened on demand, each with a
// taskbar button of its own, closed by Esc, and destroyed when they close.
#pragma once

#include <windows.h>

void RegisterSecondaryWindowClasses(HINSTANCE instance);

// Opens the one-item menu under the main window's picture buttons; it closes once it loses activation.
void OpenMenuPopup(HWND mainWindow);
// Opens the notice that asks for an output folder, or brings the open one to the front.
void OpenNoticeWindow();

// The open windows and the controls that their handlers and tests reach; null while a window is closed.
struct SecondaryWindowControls {
    HWND menuPopup = nullptr;
    HWND aboutButton = nullptr; // 超级按钮4 of the popup: "关于"
    HWND aboutWindow = nullptr;
    HWND aboutClose = nullptr;
    HWND noticeWindow = nullptr;
    HWND noticeClose = nullptr;
    HWND noticeOk = nullptr;
};
const SecondaryWindowControls &SecondaryWindowParts();
