// The layout of one page: glyphs to blocks of paragraphs in reading order.
#pragma once

#include "layout/glyph.h"
#include "model/document.h"

#include <vector>

namespace pwt {

std::vector<Block> layoutPage(const PageGlyphs &page);

} // namespace pwt
