#include "app/main_window.h"

#include "app/program_windows.h"

namespace {
const char MainWindowClass[] = "OrvantaMainWindow";

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        ProgramWindowOpened();
        return 0;
    case WM_DESTROY:
        ProgramWindowClosed();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
} // namespace

void RegisterWindowClasses(HINSTANCE instance) {
    WNDCLASSEXA wc{sizeof(wc)};
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = MainWindowClass;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassExA(&wc);
}

HWND OpenMainWindow(HINSTANCE instance) {
    HWND window = CreateWindowExA(WS_EX_APPWINDOW, MainWindowClass, "Orvanta", WS_POPUP | WS_VISIBLE, 0, 0, 650, 460,
                                  nullptr, nullptr, instance, nullptr);
    return window;
}
