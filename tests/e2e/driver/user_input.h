// What a user does with the mouse and the keyboard, sent as real input (SendInput): it goes through the
// system's input queue to whatever window lies under the pointer or has the focus, like a person's.
#pragma once

#include <windows.h>

#include <string>

// Moves the pointer to (x, y) in `window`'s coordinates (its top-left corner is 0,0) and clicks the left
// button there.
void ClickAt(HWND window, int x, int y);

// Types ANSI `text` into the focused control, character by character.
void TypeText(const std::string &text);

void PressKey(WORD virtualKey);
