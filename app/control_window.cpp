#include "app/control_window.h"

#include "app/gdi.h"

#include <commctrl.h>

namespace {
const char ControlClass[] = "OrvantaControl";
}

ControlBase::~ControlBase() = default;

LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto *control = reinterpret_cast<ControlBase *>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        control = static_cast<ControlBase *>(reinterpret_cast<CREATESTRUCTA *>(lParam)->lpCreateParams);
        control->window = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    }
    if (!control)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        delete control;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    // Exceptions cannot unwind through the system's dispatch code.
    try {
        if (message == WM_ERASEBKGND)
            return 1;
        if (message == WM_PAINT) {
            PaintContext paint(window);
            RECT client;
            GetClientRect(window, &client);
            control->Paint(paint.dc(), client);
            return 0;
        }
        LRESULT result = 0;
        if (control->Handle(message, wParam, lParam, result))
            return result;
    } catch (...) {
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateControl(HWND parent, Bounds bounds, ControlBase *control, DWORD style) {
    HWND window = CreateWindowExA(0, ControlClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                                  bounds.x, bounds.y, bounds.width, bounds.height, parent, nullptr,
                                  GetModuleHandleA(nullptr), control);
    if (!window)
        delete control;
    return window;
}

bool HandlePress(PressAction press, HWND window, UINT message, LRESULT &result) {
    switch (message) {
    case WM_NCHITTEST:
        if (press != PressAction::PassThrough)
            return false;
        result = HTTRANSPARENT;
        return true;
    case WM_LBUTTONDOWN:
        if (press == PressAction::DragWindow)
            StartWindowDrag(window);
        result = 0;
        return true;
    }
    return false;
}

void StartWindowDrag(HWND control) {
    HWND root = GetAncestor(control, GA_ROOT);
    POINT cursor;
    GetCursorPos(&cursor);
    ReleaseCapture();
    SendMessageA(root, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(cursor.x, cursor.y));
}

namespace {
LRESULT CALLBACK EscapeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {
        PostMessageA(GetAncestor(window, GA_ROOT), WM_CLOSE, 0, 0);
        return 0;
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(window, EscapeProc, 0);
    return DefSubclassProc(window, message, wParam, lParam);
}
} // namespace

void CloseRootOnEscape(HWND control) { SetWindowSubclass(control, EscapeProc, 0, 0); }

void RegisterControlClasses(HINSTANCE instance) {
    WNDCLASSEXA wc{sizeof(wc)};
    wc.lpfnWndProc = ControlProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = ControlClass;
    RegisterClassExA(&wc);
}
