// Metrics of a standard-14 font from its AFM file: advance widths and the built-in encoding.
#pragma once

#include "pdf/encodings.h"

#include <string>
#include <unordered_map>

namespace pwt {

class GlyphList;

struct FontMetrics {
    std::unordered_map<std::string, double> widthByText;  // keyed by the glyph's UTF-8 text
    EncodingTable builtinEncoding{};                      // the AFM's character codes
    double defaultWidth = 0;
};

// False when the file cannot be read.
bool loadAfm(const std::string &path, const GlyphList &glyphs, FontMetrics &metrics);

} // namespace pwt
