// The custom-drawn controls the program's windows are made of. Each is a child window whose look is fixed
// at creation; colours and pictures are drawn exactly, with no theme or system colour in between.
#pragma once

#include "app/picture.h"

#include <windows.h>

#include <functional>
#include <string>

struct Colours {
    COLORREF text;
    COLORREF background;
};

// A flat text button's three looks: the mouse outside, the mouse over it or the button held down, and the
// button focused with the mouse outside.
struct ButtonLook {
    Colours normal;
    Colours hot;
    Colours focused;
};

struct Bounds {
    int x, y, width, height;
};

// What a press of the left mouse button on a passive control does.
enum class PressAction {
    DragWindow,  // moves the top-level window, and nothing else
    Nothing,     // reaches the control and is dropped
    PassThrough, // the control is transparent to the mouse (disabled)
};

enum class TextLayout {
    SingleLineCentred, // one line, vertically centred
    WordWrap,          // from the top, wrapped at words
};

HWND CreatePanel(HWND parent, Bounds bounds, COLORREF background);

HWND CreateLabel(HWND parent, Bounds bounds, const std::string &text, HFONT font, Colours colours,
                 TextLayout layout, PressAction press);

// A label that runs `onPress` when the left button goes down on it.
HWND CreatePressLabel(HWND parent, Bounds bounds, const std::string &text, HFONT font, Colours colours,
                      std::function<void()> onPress);

// No text; a vertical gradient through `edge`, `middle` and `edge` again.
HWND CreateFrameLabel(HWND parent, Bounds bounds, COLORREF edge, COLORREF middle, PressAction press);

// Draws the picture at its natural size on `background`, centred or from the top-left corner.
HWND CreatePictureBox(HWND parent, Bounds bounds, Picture picture, COLORREF background, bool centred,
                      PressAction press);

HWND CreateFlatButton(HWND parent, Bounds bounds, const std::string &caption, HFONT font, ButtonLook look,
                      std::function<void()> onClick);

// The three pictures are drawn over `background`, so the normal one may be partly transparent.
HWND CreatePictureButton(HWND parent, Bounds bounds, Picture normal, Picture hot, Picture pressed,
                         COLORREF background, std::function<void()> onClick);

void SetLabelText(HWND label, const std::string &text);

// The colour of row y of a frame label of the given height.
COLORREF FrameGradientRow(int y, int height, COLORREF edge, COLORREF middle);

// Moves the top-level window under the mouse, as a press on a title bar would.
void StartWindowDrag(HWND control);

// Esc on the control (a system control, such as an edit box or a list view) closes its top-level window.
void CloseRootOnEscape(HWND control);

void RegisterControlClasses(HINSTANCE instance);
