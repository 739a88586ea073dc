// Characters of one column become lines of words: baselines cluster, fake-bold duplicates go, and gaps
// wider than a tenth of the font size separate words.
#pragma once

#include "layout/glyph.h"
#include "layout/text_line.h"

#include <vector>

namespace pwt {

// Appends the lines of chars, top to bottom, to out.
void buildLines(std::vector<FrameChar> chars, const PageGlyphs &page, int dir, std::vector<TextLine> &out);

double medianSize(const std::vector<FrameChar> &chars);

} // namespace pwt
