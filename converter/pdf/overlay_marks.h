// Glyphs drawn on one spot that read as one character. TeX draws some symbols as a mark of no width and
// the symbol it changes (\not= is a negation slash over "=", \mapsto a bar before "→"), and accents as a
// spacing accent placed over its letter (\tilde{X}).
#pragma once

#include "layout/glyph.h"

#include <string>

namespace pwt {

// The text that two glyphs drawn one after the other read as together, or empty when they are two
// characters.
std::string combinedText(const Glyph &earlier, const Glyph &later);

} // namespace pwt
