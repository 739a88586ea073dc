// What an embedded TrueType program says about its glyphs' Unicode values: its (3,1) or (3,10) cmap,
// read backwards. The last resort for CID fonts that come without a ToUnicode map.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

namespace pwt {

// Glyph id to code point; empty when the program has no Unicode cmap or cannot be read.
std::unordered_map<uint32_t, char32_t> unicodeByGlyph(const std::string &font);

} // namespace pwt
