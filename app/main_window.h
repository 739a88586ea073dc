// The frameless main window: title area, file list, output-folder box and the flat buttons.
#pragma once

#include <windows.h>

// The main window's controls, for its handlers and for tests.
struct MainWindowControls {
    HWND window = nullptr;
    HWND panel = nullptr;
    HWND fileList = nullptr;      // 超级列表框1
    HWND folderBox = nullptr;     // the edit control of 编辑框1
    HWND folderFrame = nullptr;   // 编辑框1 itself: the box around the one-line edit control
    HWND hint = nullptr;          // 标签1
    HWND addButton = nullptr;     // 超级按钮11
    HWND deleteButton = nullptr;  // 超级按钮1
    HWND clearButton = nullptr;   // 超级按钮2
    HWND convertButton = nullptr; // 超级按钮3
    HWND folderButton = nullptr;  // 超级按钮4
    HWND menuButton = nullptr;    // 菜单
    HWND minimiseButton = nullptr;
    HWND closeButton = nullptr;
    HWND badge = nullptr;        // 图片框1
    HWND titleLabel = nullptr;   // 标签2
    HWND barLabel = nullptr;     // 标签3
    HWND contactLabel = nullptr; // 标签4
    HWND frames[5] = {};         // 标_9, 标_1, 标_2, 标_3, 标_4
};

void RegisterWindowClasses(HINSTANCE instance);
HWND OpenMainWindow(HINSTANCE instance);
const MainWindowControls &MainWindowParts();

// The main window's own handlers.
void FocusFolderBox();
void UpdateFolderHint();
void MinimiseMainWindow();
void ClearFileList();
