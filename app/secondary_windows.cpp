#include "app/secondary_windows.h"

void RegisterSecondaryWindowClasses(HINSTANCE) {}
void OpenMenuPopup(HWND) {}
void OpenNoticeWindow() {}
