#include "app/main_window.h"

#include "app/controls.h"
#include "app/file_list.h"
#include "app/fonts.h"
#include "app/gdi.h"
#include "app/program_windows.h"
#include "app/secondary_windows.h"
#include "app/text_trim.h"
#include "choosers/folder_chooser.h"
#include "choosers/pdf_chooser.h"
#include "conversion/conversion_run.h"
#include "resources/resource_ids.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

const char MainWindowClass[] = "OrvantaMainWindow";
const int Width = 650, Height = 460;

const COLORREF WindowBackground = RGB(26, 36, 53);
const COLORREF PanelBackground = RGB(44, 56, 78);
const COLORREF TitleText = RGB(185, 199, 221);
const COLORREF FolderText = RGB(38, 49, 68);
const COLORREF FolderBackground = RGB(154, 170, 199);
const COLORREF FrameEdge = RGB(103, 126, 169), FrameMiddle = RGB(44, 60, 88);
const ButtonLook FlatLook{{RGB(152, 168, 197), PanelBackground},
                          {RGB(255, 255, 255), RGB(22, 30, 45)},
                          {RGB(152, 168, 197), PanelBackground}};

MainWindowControls Parts;

// The panel's children are placed in panel coordinates; the panel itself sits at (-1, 54).
HWND Flat(HWND panel, Bounds bounds, const char *caption, int height, bool bold, void (*handler)()) {
    return CreateFlatButton(panel, bounds, caption, UiFont(height, bold), FlatLook, handler);
}

HWND Frame(HWND panel, Bounds bounds) {
    return CreateFrameLabel(panel, bounds, FrameEdge, FrameMiddle, PressAction::DragWindow);
}

HWND TitleButton(HWND window, int x, int normal, int hot, int pressed, void (*handler)()) {
    return CreatePictureButton(window, {x, 8, 29, 29}, Picture::FromResource(normal),
                               Picture::FromResource(hot), Picture::FromResource(pressed), WindowBackground,
                               handler);
}

void AddPdfFilesClicked() { AddPdfFiles(Parts.window, Parts.fileList); }
void ChooseOutputFolderClicked() { ChooseOutputFolder(Parts.window, Parts.folderBox); }
void ConversionRunClicked() { ConversionRun(Parts.fileList, Parts.folderBox); }
void OpenMenuPopupClicked() { OpenMenuPopup(Parts.window); }
void DeleteSelectedFileClicked() { DeleteSelectedFile(Parts.fileList); }
void EndProgramClicked() { EndProgram(); }

// 编辑框1: an edit control one text line high, centred in a 30-pixel box of the same colour.
struct FolderBoxFrame {
    static LRESULT CALLBACK Proc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
        static Brush background(CreateSolidBrush(FolderBackground));
        switch (message) {
        case WM_CTLCOLOREDIT:
            SetTextColor(reinterpret_cast<HDC>(wParam), FolderText);
            SetBkColor(reinterpret_cast<HDC>(wParam), FolderBackground);
            return reinterpret_cast<LRESULT>(background.get());
        case WM_COMMAND:
            if (HIWORD(wParam) == EN_CHANGE)
                UpdateFolderHint();
            return 0;
        case WM_LBUTTONDOWN:
            FocusFolderBox();
            return 0;
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(frame, &client);
            FillSolid(reinterpret_cast<HDC>(wParam), client, FolderBackground);
            return 1;
        }
        }
        return DefWindowProcA(frame, message, wParam, lParam);
    }
};
const char FolderFrameClass[] = "OrvantaFolderBox";

void CreateFolderBox(HWND window) {
    Parts.folderFrame = CreateWindowExA(0, FolderFrameClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 7,
                                        416, 489, 30, window, nullptr, GetModuleHandleA(nullptr), nullptr);
    HDC dc = GetDC(window);
    TEXTMETRICA metrics;
    {
        SelectGuard select(dc, DefaultGuiFont());
        GetTextMetricsA(dc, &metrics);
    }
    ReleaseDC(window, dc);
    int line = metrics.tmHeight;
    Parts.folderBox =
        CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_LEFT | ES_AUTOHSCROLL, 0, (30 - line) / 2,
                        489, line, Parts.folderFrame, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(Parts.folderBox, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultGuiFont()), FALSE);
    SendMessageA(Parts.folderBox, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    SendMessageA(Parts.folderBox, EM_SETLIMITTEXT, 0, 0); // no length limit
    CloseRootOnEscape(Parts.folderBox);
}

void CreateFileList(HWND panel) {
    Parts.fileList =
        CreateWindowExA(0, WC_LISTVIEWA, "",
                        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL, 8,
                        32, 635, 280, panel, nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND list = Parts.fileList;
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultGuiFont()), FALSE);
    SendMessageA(list, LVM_SETTEXTCOLOR, 0, RGB(0, 0, 0));
    SendMessageA(list, LVM_SETTEXTBKCOLOR, 0, RGB(255, 255, 255));
    SendMessageA(list, LVM_SETBKCOLOR, 0, RGB(149, 167, 196));
    const struct {
        const char *caption;
        int width;
    } columns[] = {{"序号", 50}, {"路径", 400}, {"状态", 100}};
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        column.fmt = LVCFMT_LEFT;
        column.cx = columns[i].width;
        column.pszText = const_cast<char *>(columns[i].caption);
        SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    CloseRootOnEscape(list);
}

// Later siblings lie below earlier ones: each window goes to the bottom in turn.
void StackInOrder(const std::vector<HWND> &topFirst) {
    for (HWND window : topFirst)
        SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CreateControls(HWND window) {
    Parts.window = window;
    Parts.panel = CreatePanel(window, {-1, 54, 650, 420}, PanelBackground);
    HWND panel = Parts.panel;

    Parts.contactLabel =
        CreateLabel(window, {74, 32, 248, 16}, "联系我们：orvanta@example.com", UiFont(12, true),
                    {TitleText, WindowBackground}, TextLayout::SingleLineCentred, PressAction::DragWindow);
    Parts.barLabel =
        CreateLabel(window, {56, 10, 14, 40}, "┃", UiFont(24, true), {RGB(0, 136, 255), WindowBackground},
                    TextLayout::SingleLineCentred, PressAction::DragWindow);
    Parts.titleLabel =
        CreateLabel(window, {62, 3, 248, 40}, "┃Orvanta", UiFont(19, true), {TitleText, WindowBackground},
                    TextLayout::SingleLineCentred, PressAction::DragWindow);
    Parts.folderButton = Flat(panel, {503, 361, 33, 30}, "+", 20, true, ChooseOutputFolderClicked);
    Parts.frames[4] = Frame(panel, {502, 360, 35, 32});
    Parts.hint = CreatePressLabel(window, {12, 420, 252, 24}, "请选择一个用来保存转换后的word文档的目录",
                                  UiFont(12, false), {RGB(45, 63, 91), FolderBackground}, FocusFolderBox);
    Parts.convertButton = Flat(panel, {555, 361, 88, 30}, "开始转换", 12, false, ConversionRunClicked);
    Parts.clearButton = Flat(panel, {206, 321, 88, 30}, "清空文件列表", 12, false, ClearFileList);
    Parts.frames[2] = Frame(panel, {205, 320, 90, 32});
    Parts.deleteButton =
        Flat(panel, {108, 321, 88, 30}, "删除选中文件", 12, false, DeleteSelectedFileClicked);
    Parts.frames[1] = Frame(panel, {107, 320, 90, 32});
    CreateFileList(panel);
    Parts.addButton = Flat(panel, {9, 321, 88, 30}, "添加PDF文件", 12, false, AddPdfFilesClicked);
    Parts.menuButton =
        TitleButton(window, 553, IDP_MENU_NORMAL, IDP_MENU_HOVER, IDP_MENU_PRESSED, OpenMenuPopupClicked);
    Parts.minimiseButton = TitleButton(window, 584, IDP_MINIMISE_NORMAL, IDP_MINIMISE_HOVER,
                                       IDP_MINIMISE_PRESSED, MinimiseMainWindow);
    Parts.closeButton =
        TitleButton(window, 614, IDP_CLOSE_NORMAL, IDP_CLOSE_HOVER, IDP_CLOSE_PRESSED, EndProgramClicked);
    Parts.badge = CreatePictureBox(window, {-20, -3, 90, 56}, Picture::FromResource(IDP_BADGE),
                                   WindowBackground, true, PressAction::DragWindow);
    CreateFolderBox(window);
    Parts.frames[0] = Frame(panel, {8, 320, 90, 32});
    Parts.frames[3] = Frame(panel, {554, 360, 90, 32});

    StackInOrder({Parts.contactLabel, Parts.barLabel, Parts.titleLabel, Parts.hint, Parts.menuButton,
                  Parts.minimiseButton, Parts.closeButton, Parts.badge, Parts.folderFrame, Parts.panel});
    StackInOrder({Parts.folderButton, Parts.frames[4], Parts.convertButton, Parts.clearButton,
                  Parts.frames[2], Parts.deleteButton, Parts.frames[1], Parts.fileList, Parts.addButton,
                  Parts.frames[0], Parts.frames[3]});
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        ProgramWindowOpened();
        return 0;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window, &client);
        FillSolid(reinterpret_cast<HDC>(wParam), client, WindowBackground);
        return 1;
    }
    case WM_LBUTTONDOWN:
        StartWindowDrag(window);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
            PostMessageA(window, WM_CLOSE, 0, 0);
        return 0;
    case WM_DESTROY:
        Parts = MainWindowControls{};
        ProgramWindowClosed();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

void RegisterWindowClasses(HINSTANCE instance) {
    RegisterControlClasses(instance);
    RegisterSecondaryWindowClasses(instance);

    WNDCLASSEXA wc{sizeof(wc)};
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_ORVANTA));
    wc.lpszClassName = MainWindowClass;
    RegisterClassExA(&wc);

    WNDCLASSEXA frame{sizeof(frame)};
    frame.lpfnWndProc = FolderBoxFrame::Proc;
    frame.hInstance = instance;
    frame.hCursor = LoadCursor(nullptr, IDC_IBEAM);
    frame.lpszClassName = FolderFrameClass;
    RegisterClassExA(&frame);
}

HWND OpenMainWindow(HINSTANCE instance) {
    int left = (GetSystemMetrics(SM_CXSCREEN) - Width) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - Height) / 2;
    HWND window = CreateWindowExA(WS_EX_APPWINDOW, MainWindowClass, "Orvanta",
                                  WS_POPUP | WS_MINIMIZEBOX | WS_CLIPCHILDREN, left, top, Width, Height,
                                  nullptr, nullptr, instance, nullptr);
    if (!window)
        return nullptr;
    CreateControls(window);
    BindFileList(Parts.fileList);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return window;
}

const MainWindowControls &MainWindowParts() { return Parts; }

void FocusFolderBox() { SetFocus(Parts.folderBox); }

void UpdateFolderHint() {
    int length = GetWindowTextLengthA(Parts.folderBox);
    std::string text(length + 1, '\0');
    GetWindowTextA(Parts.folderBox, text.data(), length + 1);
    text.resize(length);
    ShowWindow(Parts.hint, TrimSpaces(text).empty() ? SW_SHOW : SW_HIDE);
}

void MinimiseMainWindow() { ShowWindow(Parts.window, SW_MINIMIZE); }

void ClearFileList() { SendMessageA(Parts.fileList, LVM_DELETEALLITEMS, 0, 0); }
