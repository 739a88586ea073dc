// What the reader hands the layout: the visible glyphs of one page with their positions and styles.
#pragma once

#include "model/document.h"

#include <string>
#include <vector>

namespace pwt {

struct Glyph {
    std::string text;     // UTF-8, one character or an ActualText replacement; never empty
    double x = 0, y = 0;  // origin on the visible page, top-down points
    double advance = 0;   // length along the writing direction
    double size = 0;      // effective font size in points
    int dir = 0;          // writing direction on the page: 0 right, 1 down, 2 left, 3 up
    int style = 0;        // index into PageGlyphs::styles
};

struct PageGlyphs {
    double width = 0, height = 0;  // of the visible page
    std::vector<Glyph> glyphs;     // in content order
    std::vector<RunStyle> styles;
};

} // namespace pwt
