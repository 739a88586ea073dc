// Lines in reading order become blocks and paragraphs of the document model: lines that follow each
// other closely form a block; spacing, indentation and style changes split paragraphs; a hyphen at a
// line end before a lower-case continuation joins the word.
#pragma once

#include "layout/glyph.h"
#include "layout/text_line.h"
#include "model/document.h"

#include <vector>

namespace pwt {

// Block boxes are in the frame of their writing direction, which for ordinary text is the page.
std::vector<Block> buildBlocks(const std::vector<TextLine> &lines, const PageGlyphs &page, double bodySize);

} // namespace pwt
