#include "choosers/folder_chooser.h"

void ChooseOutputFolder(HWND, HWND) {}
