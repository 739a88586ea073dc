// The entry sequence: platform, globals, the shutdown routine, the main window, the message loop.
#include "app/globals.h"
#include "app/main_window.h"

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterWindowClasses(instance);

    InitGlobals();
    RegisterShutdown();

    OpenMainWindow(instance);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
