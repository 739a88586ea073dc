// The named single-byte encodings of simple fonts, as Unicode code points (0 where a code has no glyph).
#pragma once

#include <array>
#include <string>

namespace pwt {

using EncodingTable = std::array<char32_t, 256>;

const EncodingTable &winAnsiEncoding();
const EncodingTable &macRomanEncoding();
const EncodingTable &pdfDocEncoding();

// "/WinAnsiEncoding" and the like; nullptr for names it does not know (StandardEncoding comes from the
// metrics data, see FontData).
const EncodingTable *namedEncoding(const std::string &name);

} // namespace pwt

namespace pwt {

// A PDF text string (UTF-16BE with a byte order mark, UTF-8 with one, or PDFDocEncoding) as UTF-8.
std::string textStringToUtf8(const std::string &bytes);

} // namespace pwt
