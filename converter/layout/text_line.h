// The layout's working units. Coordinates are in the frame of one writing direction: x runs along the
// text, y down the page from line to line, so every direction is laid out like left-to-right text.
#pragma once

#include <vector>

namespace pwt {

struct FrameChar {
    double x0 = 0, x1 = 0;  // extent along the text
    double base = 0;        // baseline
    double size = 0;
    int glyph = 0;          // index into PageGlyphs::glyphs
    bool space = false;     // a space character: a word break, never text of its own

    double top() const { return base - 0.75 * size; }
    double bottom() const { return base + 0.2 * size; }
};

struct TextLine {
    std::vector<FrameChar> chars;     // in reading order, spaces removed
    std::vector<bool> wordStart;      // per char: a space goes before it
    double x0 = 0, x1 = 0, base = 0, size = 0;
    int dir = 0;
};

} // namespace pwt
