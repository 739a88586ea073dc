#include "mouse_input.h"

#include "support/window_pictures.h"

#include <atomic>
#include <thread>

namespace {

void Send(DWORD flags) {
    INPUT input{INPUT_MOUSE};
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(INPUT));
    Sleep(40);
}

void Drive(POINT start, int dx, int dy) {
    std::atomic<bool> done{false};
    std::thread mouse([=, &done] {
        SetCursorPos(start.x, start.y);
        Send(MOUSEEVENTF_MOVE);
        Send(MOUSEEVENTF_LEFTDOWN);
        for (int step = 1; step <= 4 && (dx || dy); ++step) {
            SetCursorPos(start.x + dx * step / 4, start.y + dy * step / 4);
            Send(MOUSEEVENTF_MOVE);
        }
        Send(MOUSEEVENTF_LEFTUP);
        done = true;
    });
    // Keep dispatching while the input arrives: a press on a drag region runs the move loop right here.
    while (!done)
        PumpMessages(20);
    mouse.join();
    PumpMessages(100);
}

} // namespace

void ClickAt(POINT screen) { Drive(screen, 0, 0); }

void DragFrom(POINT screen, int dx, int dy) { Drive(screen, dx, dy); }
