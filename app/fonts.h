// The program's fonts: "微软雅黑" in the GB2312 character set at a character height in pixels, created once
// per height and weight and kept for the whole run.
#pragma once

#include <windows.h>

HFONT UiFont(int height, bool bold);
HFONT DefaultGuiFont();
