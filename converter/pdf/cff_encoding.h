// The built-in encoding of a bare CFF font program (FontFile3 /Type1C), as glyph names by code.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace pwt {

// standardStrings are CFF's 391 predefined names. False when the data is not a readable CFF font;
// standard is set when the font uses StandardEncoding.
bool cffBuiltinEncoding(const std::string &cff, const std::vector<std::string> &standardStrings,
                        std::array<std::string, 256> &names, bool &standard);

} // namespace pwt
