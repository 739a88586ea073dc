#include "windows_of.h"

namespace {

struct Search {
    DWORD process;
    const std::function<bool(HWND)> *accept;
    HWND found;
};

BOOL CALLBACK TakeProcessWindow(HWND window, LPARAM parameter) {
    auto &search = *reinterpret_cast<Search *>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.process && IsWindowVisible(window) && (*search.accept)(window)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

struct ClassSearch {
    const char *className;
    HWND found;
};

BOOL CALLBACK TakeClass(HWND window, LPARAM parameter) {
    auto &search = *reinterpret_cast<ClassSearch *>(parameter);
    if (WindowClass(window) == search.className) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

bool WaitUntil(const std::function<bool()> &condition, DWORD limit) {
    for (DWORD start = GetTickCount(); !condition();) {
        if (GetTickCount() - start > limit)
            return false;
        Sleep(10);
    }
    return true;
}

HWND FindProcessWindow(DWORD process, const std::function<bool(HWND)> &accept) {
    Search search{process, &accept, nullptr};
    EnumWindows(TakeProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindDescendant(HWND parent, const char *className) {
    ClassSearch search{className, nullptr};
    EnumChildWindows(parent, TakeClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowClass(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof(name));
    return name;
}

// WM_GETTEXT, unlike GetWindowTextA, reaches the controls of other processes.
std::string WindowText(HWND window) {
    const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

SIZE WindowSize(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}
