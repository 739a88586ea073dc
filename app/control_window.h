// Ties a control object to its window: the object arrives through CreateWindowEx's parameter, is reached
// from the window's user data, and is deleted with the window.
#pragma once

#include "app/controls.h"

#include <windows.h>

// Every control paints its whole client area, so none needs its background erased first.
struct ControlBase {
    virtual ~ControlBase();
    virtual void Paint(HDC dc, const RECT &client) = 0;
    // Returns true when the message was handled, with its result in `result`.
    virtual bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) = 0;
    HWND window = nullptr;
};

LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Creates a child window of the control class with the object as its own; the window owns the object.
HWND CreateControl(HWND parent, Bounds bounds, ControlBase *control, DWORD style = 0);

// The common answer of passive controls to mouse presses.
bool HandlePress(PressAction press, HWND window, UINT message, LRESULT &result);
