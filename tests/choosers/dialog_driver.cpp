#include "dialog_driver.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr DWORD TimeLimit = 15000;
constexpr DWORD Poll = 20;

BOOL CALLBACK TakeDialog(HWND window, LPARAM found) {
    char className[16];
    if (IsWindowVisible(window) && GetClassNameA(window, className, sizeof(className)) &&
        lstrcmpA(className, "#32770") == 0) {
        *reinterpret_cast<HWND *>(found) = window;
        return FALSE;
    }
    return TRUE;
}

template <typename Condition> bool WaitFor(Condition condition, DWORD limit) {
    for (DWORD start = GetTickCount(); !condition();) {
        if (GetTickCount() - start > limit)
            return false;
        Sleep(Poll);
    }
    return true;
}

} // namespace

HWND FindThreadDialog(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(thread, TakeDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

void PressDialogButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

DialogDriver::DialogDriver(std::function<void(HWND)> action)
    : action_(std::move(action)), helper_(&DialogDriver::Drive, this, GetCurrentThreadId()) {}

DialogDriver::~DialogDriver() {
    if (helper_.joinable())
        helper_.join();
}

bool DialogDriver::Finished() {
    helper_.join();
    return shown_ && closed_;
}

void DialogDriver::Drive(DWORD ownerThread) {
    HWND dialog = nullptr;
    if (!WaitFor([&] { return (dialog = FindThreadDialog(ownerThread)) != nullptr; }, TimeLimit))
        return;
    shown_ = true;
    action_(dialog);
    closed_ = WaitFor([&] { return !IsWindow(dialog); }, TimeLimit);
    if (closed_)
        return;
    PressDialogButton(dialog, IDCANCEL);
    if (!WaitFor([&] { return !IsWindow(dialog); }, TimeLimit)) {
        std::fputs("a dialog ignored every request to close; giving up on the test run\n", stderr);
        std::_Exit(3);
    }
}
