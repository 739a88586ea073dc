// Glyph names to Unicode: the Adobe Glyph List plus TeX's math names, the uniXXXX, uXXXX, suffix and ligature
// conventions.
#pragma once

#include <string>
#include <unordered_map>

namespace pwt {

class GlyphList {
public:
    // Reads glyphlist.txt; a missing file leaves only the algorithmic names.
    void load(const std::string &path);

    // UTF-8 text of a glyph name (without the leading slash); empty when the name means nothing.
    std::string text(const std::string &name) const;

private:
    std::string component(const std::string &name) const;

    std::unordered_map<std::string, std::string> names_;
};

} // namespace pwt
