#include "support/window_pictures.h"

#include <ostream>

bool PumpMessages(DWORD milliseconds) {
    bool quit = false;
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
    return quit;
}

WindowPicture CaptureWindow(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages(100);
    RECT bounds;
    GetWindowRect(window, &bounds);
    WindowPicture picture;
    picture.width = bounds.right - bounds.left;
    picture.height = bounds.bottom - bounds.top;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.width, picture.height, screen, bounds.left, bounds.top, SRCCOPY);
    GdiFlush();
    const auto *bgra = static_cast<const BYTE *>(bits);
    picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
    for (size_t i = 0; i < picture.pixels.size(); ++i)
        picture.pixels[i] = RGB(bgra[4 * i + 2], bgra[4 * i + 1], bgra[4 * i]);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    return picture;
}

std::ostream &operator<<(std::ostream &out, const Rgb &colour) {
    return out << "RGB(" << int(GetRValue(colour.value)) << "," << int(GetGValue(colour.value)) << ","
               << int(GetBValue(colour.value)) << ")";
}
