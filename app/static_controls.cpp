// Panels, labels, frame labels and picture boxes: controls that only draw and answer presses.
#include "app/controls.h"

#include "app/control_window.h"
#include "app/gdi.h"

namespace {

struct Panel : ControlBase {
    COLORREF background;
    explicit Panel(COLORREF background) : background(background) {}

    void Paint(HDC dc, const RECT &client) override { FillSolid(dc, client, background); }

    bool Handle(UINT message, WPARAM, LPARAM, LRESULT &) override { return message == WM_LBUTTONDOWN; }
};

struct Label : ControlBase {
    std::string text;
    HFONT font;
    Colours colours;
    TextLayout layout;
    PressAction press;
    std::function<void()> onPress;

    Label(std::string text, HFONT font, Colours colours, TextLayout layout, PressAction press)
        : text(std::move(text)), font(font), colours(colours), layout(layout), press(press) {}

    bool Handle(UINT message, WPARAM, LPARAM, LRESULT &result) override {
        if (message == WM_LBUTTONDOWN && onPress) {
            onPress();
            return true;
        }
        return HandlePress(press, window, message, result);
    }

    void Paint(HDC dc, const RECT &client) override {
        FillSolid(dc, client, colours.background);
        SelectGuard select(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, colours.text);
        UINT format = layout == TextLayout::SingleLineCentred ? DT_SINGLELINE | DT_VCENTER | DT_LEFT
                                                              : DT_WORDBREAK | DT_LEFT | DT_TOP;
        RECT area = client;
        DrawTextA(dc, text.c_str(), -1, &area, format | DT_NOPREFIX);
    }
};

struct FrameLabel : ControlBase {
    COLORREF edge, middle;
    PressAction press;
    FrameLabel(COLORREF edge, COLORREF middle, PressAction press)
        : edge(edge), middle(middle), press(press) {}

    void Paint(HDC dc, const RECT &client) override {
        for (int y = 0; y < client.bottom; ++y)
            FillSolid(dc, RECT{0, y, client.right, y + 1}, FrameGradientRow(y, client.bottom, edge, middle));
    }

    bool Handle(UINT message, WPARAM, LPARAM, LRESULT &result) override {
        return HandlePress(press, window, message, result);
    }
};

struct PictureBox : ControlBase {
    Picture picture;
    COLORREF background;
    bool centred;
    PressAction press;
    PictureBox(Picture picture, COLORREF background, bool centred, PressAction press)
        : picture(std::move(picture)), background(background), centred(centred), press(press) {}

    void Paint(HDC dc, const RECT &client) override {
        FillSolid(dc, client, background);
        int x = centred ? (client.right - picture.width()) / 2 : 0;
        int y = centred ? (client.bottom - picture.height()) / 2 : 0;
        picture.Draw(dc, x, y);
    }

    bool Handle(UINT message, WPARAM, LPARAM, LRESULT &result) override {
        return HandlePress(press, window, message, result);
    }
};

int Channel(COLORREF colour, int shift) { return (colour >> shift) & 0xFF; }

} // namespace

COLORREF FrameGradientRow(int y, int height, COLORREF edge, COLORREF middle) {
    const COLORREF stops[3] = {edge, middle, edge};
    int half = height / 2;
    int segment = half > 0 ? y / half : 2;
    if (segment >= 2)
        return stops[2];
    double t = static_cast<double>(y % half) / half;
    int channels[3];
    for (int c = 0; c < 3; ++c) {
        int from = Channel(stops[segment], 8 * c), to = Channel(stops[segment + 1], 8 * c);
        channels[c] = from + static_cast<int>(t * (to - from)); // the product is truncated toward zero
    }
    return RGB(channels[0], channels[1], channels[2]);
}

HWND CreatePanel(HWND parent, Bounds bounds, COLORREF background) {
    return CreateControl(parent, bounds, new Panel(background), WS_CLIPCHILDREN);
}

HWND CreateLabel(HWND parent, Bounds bounds, const std::string &text, HFONT font, Colours colours,
                 TextLayout layout, PressAction press) {
    return CreateControl(parent, bounds, new Label(text, font, colours, layout, press),
                         press == PressAction::PassThrough ? WS_DISABLED : 0);
}

HWND CreatePressLabel(HWND parent, Bounds bounds, const std::string &text, HFONT font, Colours colours,
                      std::function<void()> onPress) {
    auto *label = new Label(text, font, colours, TextLayout::SingleLineCentred, PressAction::Nothing);
    label->onPress = std::move(onPress);
    return CreateControl(parent, bounds, label);
}

HWND CreateFrameLabel(HWND parent, Bounds bounds, COLORREF edge, COLORREF middle, PressAction press) {
    return CreateControl(parent, bounds, new FrameLabel(edge, middle, press));
}

HWND CreatePictureBox(HWND parent, Bounds bounds, Picture picture, COLORREF background, bool centred,
                      PressAction press) {
    return CreateControl(parent, bounds, new PictureBox(std::move(picture), background, centred, press));
}

void SetLabelText(HWND label, const std::string &text) {
    auto *control = reinterpret_cast<ControlBase *>(GetWindowLongPtrA(label, GWLP_USERDATA));
    if (auto *asLabel = dynamic_cast<Label *>(control)) {
        asLabel->text = text;
        InvalidateRect(label, nullptr, FALSE);
    }
}
