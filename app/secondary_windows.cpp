#include "app/secondary_windows.h"

#include "app/controls.h"
#include "app/fonts.h"
#include "app/gdi.h"
#include "app/program_windows.h"
#include "resources/resource_ids.h"

#include <commctrl.h>

#include <initializer_list>

namespace {

const char SecondaryWindowClass[] = "OrvantaSecondaryWindow";

const COLORREF NoticeBackground = RGB(26, 36, 53);
const COLORREF PanelBackground = RGB(44, 56, 78);
const COLORREF PaleText = RGB(192, 192, 192);
const COLORREF AboutText = RGB(96, 96, 96);
const COLORREF White = RGB(255, 255, 255);

// What differs between the three windows' frames; the controls are made by each window's opener.
struct WindowKind {
    int width, height;
    bool buttonFaceBackground; // else `background`
    COLORREF background;
    bool draggable; // a press on the window's own background moves it
    bool closesWhenDeactivated;
    HWND SecondaryWindowControls::*slot;
};

const WindowKind MenuPopupKind{0, 3, true, 0, false, true, &SecondaryWindowControls::menuPopup};
const WindowKind AboutKind{460, 280, true, 0, true, false, &SecondaryWindowControls::aboutWindow};
const WindowKind NoticeKind{
    361, 152, false, NoticeBackground, false, false, &SecondaryWindowControls::noticeWindow};

SecondaryWindowControls Parts;

// Destruction is deferred: the request waits in the window's queue, so a handler may close its own window,
// and a request for a window that is already gone finds nothing.
void RequestClose(HWND window) { PostMessageA(window, WM_CLOSE, 0, 0); }

void Forget(const WindowKind &kind) {
    if (&kind == &MenuPopupKind)
        Parts.menuPopup = Parts.aboutButton = nullptr;
    else if (&kind == &AboutKind)
        Parts.aboutWindow = Parts.aboutClose = nullptr;
    else
        Parts.noticeWindow = Parts.noticeClose = Parts.noticeOk = nullptr;
}

LRESULT HandleWindowMessage(HWND window, const WindowKind &kind, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        ProgramWindowOpened();
        return 0;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window, &client);
        FillSolid(reinterpret_cast<HDC>(wParam), client,
                  kind.buttonFaceBackground ? GetSysColor(COLOR_BTNFACE) : kind.background);
        return 1;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE && kind.closesWhenDeactivated)
            RequestClose(window);
        break;
    case WM_LBUTTONDOWN:
        if (kind.draggable)
            StartWindowDrag(window);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
            RequestClose(window);
        return 0;
    case WM_DESTROY:
        if (Parts.*kind.slot == window)
            Forget(kind);
        ProgramWindowClosed();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK SecondaryWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrA(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA *>(lParam)->lpCreateParams));
    auto *kind = reinterpret_cast<const WindowKind *>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!kind)
        return DefWindowProcA(window, message, wParam, lParam);
    // Exceptions cannot unwind through the system's dispatch code.
    try {
        return HandleWindowMessage(window, *kind, message, wParam, lParam);
    } catch (...) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

// Created centred on the screen, without owner, hidden until its controls are in place.
HWND CreateSecondaryWindow(const WindowKind &kind) {
    int left = (GetSystemMetrics(SM_CXSCREEN) - kind.width) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - kind.height) / 2;
    HWND window = CreateWindowExA(WS_EX_APPWINDOW, SecondaryWindowClass, "", WS_POPUP | WS_CLIPCHILDREN, left,
                                  top, kind.width, kind.height, nullptr, nullptr, GetModuleHandleA(nullptr),
                                  const_cast<WindowKind *>(&kind));
    Parts.*kind.slot = window;
    return window;
}

void ShowAndActivate(HWND window) {
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    UpdateWindow(window);
}

// Later siblings lie below earlier ones: each window goes to the bottom in turn.
void StackInOrder(std::initializer_list<HWND> topFirst) {
    for (HWND window : topFirst)
        SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Transparent labels draw only their text over what lies beneath, which is one solid colour wherever
// these labels sit; they are disabled, so presses fall through to what lies beneath.
HWND TransparentLabel(HWND parent, Bounds bounds, const char *text, HFONT font, COLORREF textColour,
                      COLORREF beneath, TextLayout layout) {
    return CreateLabel(parent, bounds, text, font, {textColour, beneath}, layout, PressAction::PassThrough);
}

// The about box's cross: the system's default face, 16 pixels high.
HFONT CrossFont() {
    static Font font = [] {
        LOGFONTA face{};
        GetObjectA(DefaultGuiFont(), sizeof(face), &face);
        face.lfHeight = -16;
        face.lfWidth = 0;
        return Font(CreateFontIndirectA(&face));
    }();
    return font.get();
}

void AddTooltip(HWND window, HWND tool, const char *text) {
    HWND tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    TTTOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = window;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = const_cast<char *>(text);
    SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void CloseAboutWindow() { RequestClose(Parts.aboutWindow); }
void CloseNoticeWindow() { RequestClose(Parts.noticeWindow); }

// A second request shows the open window again instead of stacking a copy.
bool BringToFront(HWND window) {
    if (!window)
        return false;
    ShowAndActivate(window);
    return true;
}

void OpenAboutWindow() {
    HWND popup = Parts.menuPopup;
    if (!BringToFront(Parts.aboutWindow)) {
        HWND window = CreateSecondaryWindow(AboutKind);
        HWND text = TransparentLabel(window, {32, 88, 240, 32}, "这个就是用来转换pdf到doc的工具。\r\n",
                                     UiFont(12, false), AboutText, White, TextLayout::WordWrap);
        const ButtonLook closeLook{{AboutText, White}, {White, RGB(241, 107, 107)}, {AboutText, White}};
        Parts.aboutClose =
            CreateFlatButton(window, {424, 11, 26, 26}, "×", CrossFont(), closeLook, CloseAboutWindow);
        AddTooltip(window, Parts.aboutClose, "关闭");
        HWND heading = TransparentLabel(window, {24, 16, 48, 24}, "关于\r\n", UiFont(14, true), AboutText,
                                        White, TextLayout::WordWrap);
        HWND sheet = CreateLabel(window, {0, 0, 458, 278}, "", UiFont(12, false), {White, White},
                                 TextLayout::SingleLineCentred, PressAction::DragWindow);
        StackInOrder({text, Parts.aboutClose, heading, sheet});
        ShowAndActivate(window);
    }
    // Activating the about box has already deactivated the popup, which closes itself; asking again is
    // harmless.
    RequestClose(popup);
}

} // namespace

void RegisterSecondaryWindowClasses(HINSTANCE instance) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES}; // the tooltip
    InitCommonControlsEx(&controls);

    WNDCLASSEXA wc{sizeof(wc)};
    wc.lpfnWndProc = SecondaryWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_ORVANTA));
    wc.lpszClassName = SecondaryWindowClass;
    RegisterClassExA(&wc);
}

void OpenMenuPopup(HWND mainWindow) {
    HWND window = CreateSecondaryWindow(MenuPopupKind);
    // The panel reaches 136 pixels above the popup, so that only its last button, "关于", shows.
    HWND panel = CreatePanel(window, {0, -136, 98, 173}, PanelBackground);
    const ButtonLook look{
        {PaleText, PanelBackground}, {White, RGB(21, 207, 86)}, {PaleText, PanelBackground}};
    HWND hidden[5];
    const struct {
        const char *caption;
        int x, y;
    } unused[] = {{"检查更新", 0, 5},
                  {"反馈建议", 1, 31},
                  {"联系作者", 0, 57},
                  {"开启自检更新", 0, 83},
                  {"关闭自检更新", 0, 109}};
    for (int i = 0; i < 5; ++i)
        hidden[i] = CreateFlatButton(panel, {unused[i].x, unused[i].y, 100, 26}, unused[i].caption,
                                     UiFont(12, false), look, nullptr);
    EnableWindow(hidden[4], FALSE);
    Parts.aboutButton =
        CreateFlatButton(panel, {0, 141, 100, 26}, "关于", UiFont(12, false), look, OpenAboutWindow);
    StackInOrder({Parts.aboutButton, hidden[0], hidden[1], hidden[2], hidden[3], hidden[4]});
    ShowAndActivate(window);

    RECT main;
    GetWindowRect(mainWindow, &main);
    SetWindowPos(window, nullptr, main.left + 550, main.top + 40, 98, 37, SWP_NOZORDER | SWP_NOACTIVATE);
}

void OpenNoticeWindow() {
    if (BringToFront(Parts.noticeWindow))
        return;
    HWND window = CreateSecondaryWindow(NoticeKind);
    Parts.noticeClose =
        CreatePictureButton(window, {321, 7, 29, 29}, Picture::FromResource(IDP_CLOSE_NORMAL),
                            Picture::FromResource(IDP_CLOSE_HOVER), Picture::FromResource(IDP_CLOSE_PRESSED),
                            NoticeBackground, CloseNoticeWindow);
    HWND title = TransparentLabel(window, {24, 8, 208, 24}, "提示", UiFont(12, false), PaleText,
                                  NoticeBackground, TextLayout::SingleLineCentred);
    HWND panel = CreatePanel(window, {0, 36, 360, 114}, PanelBackground);
    Parts.noticeOk = CreatePictureButton(
        panel, {252, 80, 80, 26}, Picture::FromResource(IDP_OK_NORMAL), Picture::FromResource(IDP_OK_HOVER),
        Picture::FromResource(IDP_OK_PRESSED), PanelBackground, CloseNoticeWindow);
    HWND message = TransparentLabel(panel, {60, 17, 276, 54}, "请选择一个目录，用来保存转换后的文档！",
                                    UiFont(14, false), PaleText, PanelBackground, TextLayout::WordWrap);
    HWND icon = CreatePictureBox(panel, {32, 20, 16, 16}, Picture::FromResource(IDP_NOTICE_ICON),
                                 PanelBackground, false, PressAction::Nothing);
    StackInOrder({Parts.noticeClose, title, panel});
    StackInOrder({Parts.noticeOk, message, icon});
    ShowAndActivate(window);
}

const SecondaryWindowControls &SecondaryWindowParts() { return Parts; }
