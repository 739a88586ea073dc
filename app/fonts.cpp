#include "app/fonts.h"

#include "app/gdi.h"

#include <map>
#include <utility>

HFONT UiFont(int height, bool bold) {
    static std::map<std::pair<int, bool>, Font> fonts;
    Font &font = fonts[{height, bold}];
    if (!font.get())
        // A negative height asks for the character height, without internal leading.
        font = Font(CreateFontA(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH, "微软雅黑"));
    return font.get();
}

HFONT DefaultGuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }
