// The real mouse, for presses whose effects run through the system: activation, and the modal move loop
// that a press on a drag region starts. The input comes from a helper thread while this one dispatches.
#pragma once

#include <windows.h>

// Clicks at a point of the screen.
void ClickAt(POINT screen);
// Presses at a point of the screen, moves by (dx, dy) and lets go.
void DragFrom(POINT screen, int dx, int dy);
