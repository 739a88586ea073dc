// What tests need to look at real windows: message pumping and pictures of what a window shows on screen.
#pragma once

#include <windows.h>

#include <iosfwd>
#include <vector>

// Dispatches every waiting message, for about `milliseconds`, and returns whether WM_QUIT came by.
bool PumpMessages(DWORD milliseconds = 50);

// The window's pixels as the screen shows them, in window coordinates.
struct WindowPicture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF at(int x, int y) const { return pixels[y * width + x]; }
};

// Repaints the window and its children, then copies what is on screen.
WindowPicture CaptureWindow(HWND window);

// Colour as "RGB(r,g,b)", so that failed comparisons read well.
struct Rgb {
    COLORREF value;
    bool operator==(const Rgb &o) const { return value == o.value; }
};
std::ostream &operator<<(std::ostream &out, const Rgb &colour);
