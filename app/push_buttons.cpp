// Flat text buttons and picture buttons: three looks each (normal, mouse over or held down, focused), and a
// click when the left button is released over the button it went down on.
#include "app/controls.h"

#include "app/control_window.h"
#include "app/gdi.h"

#include <windowsx.h>

namespace {

struct PushButton : ControlBase {
    std::function<void()> onClick;
    bool hot = false;
    bool held = false;
    bool focused = false;

    explicit PushButton(std::function<void()> onClick) : onClick(std::move(onClick)) {}

    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &) override {
        switch (message) {
        case WM_MOUSEMOVE:
            if (!hot) {
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
                TrackMouseEvent(&track);
                hot = true;
                Redraw();
            }
            return true;
        case WM_MOUSELEAVE:
            hot = false;
            Redraw();
            return true;
        case WM_LBUTTONDOWN:
            SetFocus(window);
            SetCapture(window);
            held = true;
            Redraw();
            return true;
        case WM_LBUTTONUP:
            if (held) {
                POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                RECT client;
                GetClientRect(window, &client);
                ReleaseCapture(); // clears `held` through WM_CAPTURECHANGED
                // The click may run for long (a conversion) or destroy this window; nothing here is used
                // after it.
                if (PtInRect(&client, at) && onClick) {
                    std::function<void()> click = onClick;
                    click();
                }
            }
            return true;
        case WM_CAPTURECHANGED:
            held = false;
            Redraw();
            return true;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            focused = message == WM_SETFOCUS;
            Redraw();
            return true;
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) {
                PostMessageA(GetAncestor(window, GA_ROOT), WM_CLOSE, 0, 0);
                return true;
            }
            break;
        }
        return false;
    }

    void Redraw() { InvalidateRect(window, nullptr, FALSE); }
};

struct FlatButton : PushButton {
    std::string caption;
    HFONT font;
    ButtonLook look;

    FlatButton(std::string caption, HFONT font, ButtonLook look, std::function<void()> onClick)
        : PushButton(std::move(onClick)), caption(std::move(caption)), font(font), look(look) {}

    void Paint(HDC dc, const RECT &client) override {
        const Colours &colours = (hot || held) ? look.hot : focused ? look.focused : look.normal;
        FillSolid(dc, client, colours.background);
        SelectGuard select(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, colours.text);
        // Centre the wrapped lines as a whole: measure them first, then place them.
        RECT text = client;
        DrawTextA(dc, caption.c_str(), -1, &text, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
        int height = text.bottom - text.top;
        RECT place{client.left, (client.bottom - height) / 2, client.right,
                   (client.bottom - height) / 2 + height};
        if (held)
            OffsetRect(&place, 1, 1);
        DrawTextA(dc, caption.c_str(), -1, &place, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    }
};

struct PictureButton : PushButton {
    Picture normal, over, down;
    COLORREF background;

    PictureButton(Picture normal, Picture over, Picture down, COLORREF background,
                  std::function<void()> onClick)
        : PushButton(std::move(onClick)), normal(std::move(normal)), over(std::move(over)),
          down(std::move(down)), background(background) {}

    void Paint(HDC dc, const RECT &client) override {
        FillSolid(dc, client, background);
        (held ? down : hot ? over : normal).Draw(dc, 0, 0);
    }
};

} // namespace

HWND CreateFlatButton(HWND parent, Bounds bounds, const std::string &caption, HFONT font, ButtonLook look,
                      std::function<void()> onClick) {
    return CreateControl(parent, bounds, new FlatButton(caption, font, look, std::move(onClick)));
}

HWND CreatePictureButton(HWND parent, Bounds bounds, Picture normal, Picture hot, Picture pressed,
                         COLORREF background, std::function<void()> onClick) {
    return CreateControl(parent, bounds,
                         new PictureButton(std::move(normal), std::move(hot), std::move(pressed), background,
                                           std::move(onClick)));
}
