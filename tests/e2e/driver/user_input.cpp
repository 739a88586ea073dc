#include "user_input.h"

#include <vector>

namespace {

// Gives the receiving program time to handle one step before the next, as a person's pace would.
constexpr DWORD Pace = 60;

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(Pace);
}

INPUT Mouse(DWORD flags, LONG x = 0, LONG y = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x;
    input.mi.dy = y;
    input.mi.dwFlags = flags;
    return input;
}

INPUT Key(WORD virtualKey, WORD unicode, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = unicode;
    input.ki.dwFlags = flags;
    return input;
}

} // namespace

void ClickAt(HWND window, int x, int y) {
    RECT r{};
    GetWindowRect(window, &r);
    // Absolute coordinates run from 0 to 65535 across the primary screen.
    const LONG ax = MulDiv(r.left + x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    const LONG ay = MulDiv(r.top + y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    Send({Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, ax, ay)});
    Send({Mouse(MOUSEEVENTF_LEFTDOWN)});
    Send({Mouse(MOUSEEVENTF_LEFTUP)});
}

void TypeText(const std::string &text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    for (wchar_t c : wide) {
        INPUT down = Key(0, static_cast<WORD>(c), KEYEVENTF_UNICODE);
        INPUT up = Key(0, static_cast<WORD>(c), KEYEVENTF_UNICODE | KEYEVENTF_KEYUP);
        SendInput(1, &down, sizeof(INPUT));
        SendInput(1, &up, sizeof(INPUT));
        Sleep(5);
    }
    Sleep(Pace);
}

void PressKey(WORD virtualKey) {
    Send({Key(virtualKey, 0, 0), Key(virtualKey, 0, KEYEVENTF_KEYUP)});
}
