// The popup menu, the about box and the notice: small frameless windows opened on demand.
#pragma once

#include <windows.h>

void RegisterSecondaryWindowClasses(HINSTANCE instance);
void OpenMenuPopup(HWND mainWindow);
void OpenNoticeWindow();
