// Reading order by recursive cuts: columns split where a vertical gutter runs through a region, rows
// split at horizontal gaps, and rows that share a gutter are read as columns together.
#pragma once

#include "layout/glyph.h"
#include "layout/text_line.h"

#include <vector>

namespace pwt {

// The lines of chars (all of one writing direction) in reading order.
std::vector<TextLine> orderLines(std::vector<FrameChar> chars, const PageGlyphs &page, int dir);

} // namespace pwt
