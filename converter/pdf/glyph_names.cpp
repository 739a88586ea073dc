#include "pdf/glyph_names.h"

#include "layout/utf8.h"
#include "pdf/input_file.h"

#include <sstream>
#include <unordered_map>

namespace pwt {
namespace {

bool parseHex(const std::string &s, size_t from, size_t count, char32_t &value) {
    if (from + count > s.size())
        return false;
    value = 0;
    for (size_t i = from; i < from + count; ++i) {
        char ch = s[i];
        int digit = ch >= '0' && ch <= '9' ? ch - '0' : ch >= 'A' && ch <= 'F' ? ch - 'A' + 10 : -1;
        if (digit < 0)
            return false;  // glyph names spell their hex digits in capitals
        value = value * 16 + static_cast<char32_t>(digit);
    }
    return true;
}

// Names TeX's math and symbol fonts (Computer Modern, AMS) give glyphs that the Adobe Glyph List lacks.
const std::unordered_map<std::string, char32_t> &texNames() {
    static const std::unordered_map<std::string, char32_t> names = {
        {"angbracketleft", 0x27E8}, {"angbracketright", 0x27E9}, {"bardbl", 0x2016},
        {"negationslash", 0x0338},  {"mapstochar", 0x21A6},      {"mapsto", 0x21A6},
        {"owner", 0x220B},          {"prime", 0x2032},           {"triangle", 0x25B3},
        {"rho1", 0x03F1},           {"epsilon1", 0x03B5},        {"visiblespace", 0x2423},
        {"vextendsingle", 0x2223},  {"vextenddouble", 0x2225},   {"floorleft", 0x230A},
        {"floorright", 0x230B},     {"ceilingleft", 0x2308},     {"ceilingright", 0x2309},
        {"subsetnoteql", 0x228A},   {"supersetnoteql", 0x228B},  {"squaresolid", 0x25A0},
        {"notexistential", 0x2204}, {"measuredangle", 0x2221},   {"Rfractur", 0x211C},
        {"Ifractur", 0x2111},       {"similarequal", 0x2243},    {"precedes", 0x227A},
        {"follows", 0x227B},        {"turnstileleft", 0x22A2},   {"turnstileright", 0x22A3},
        {"minusplus", 0x2213},      {"asteriskmath", 0x2217},    {"diamondmath", 0x22C4},
        {"dotmath", 0x22C5},        {"arrownortheast", 0x2197},  {"arrowsoutheast", 0x2198},
        {"arrownorthwest", 0x2196}, {"arrowsouthwest", 0x2199},  {"lessmuch", 0x226A},
        {"greatermuch", 0x226B},    {"unionmulti", 0x228E},      {"unionsq", 0x2294},
        {"intersectionsq", 0x2293}, {"subsetsqequal", 0x2291},   {"supersetsqequal", 0x2292},
        {"wreathproduct", 0x2240},  {"lscript", 0x2113},         {"star", 0x22C6},
        {"flat", 0x266D},           {"natural", 0x266E},         {"sharp", 0x266F},
        {"triangleright", 0x25B7},  {"triangleleft", 0x25C1},    {"dotlessj", 0x0237},
        {"contintegral", 0x222E},   {"circledot", 0x2299},       {"coproduct", 0x2210},
    };
    return names;
}

// The sizes of TeX's extensible delimiters and large operators: "parenleftbig", "summationdisplay".
std::string withoutSizeSuffix(const std::string &name) {
    for (const char *suffix : {"Bigg", "bigg", "Big", "big", "display", "text"}) {
        size_t n = std::char_traits<char>::length(suffix);
        if (name.size() > n && name.compare(name.size() - n, n, suffix) == 0)
            return name.substr(0, name.size() - n);
    }
    return std::string();
}

} // namespace

void GlyphList::load(const std::string &path) {
    std::string contents;
    if (!readWholeFile(path, contents))
        return;
    std::istringstream in(contents);
    std::string line;
    while (std::getline(in, line)) {
        size_t semi = line.find(';');
        if (line.empty() || line[0] == '#' || semi == std::string::npos)
            continue;
        std::istringstream codes(line.substr(semi + 1));
        std::string text, hex;
        while (codes >> hex)
            appendUtf8(text, static_cast<char32_t>(std::stoul(hex, nullptr, 16)));
        names_.emplace(line.substr(0, semi), text);
    }
}

std::string GlyphList::component(const std::string &name) const {
    auto it = names_.find(name);
    if (it != names_.end())
        return it->second;
    std::string text;
    char32_t c;
    if (auto tex = texNames().find(name); tex != texNames().end()) {
        appendUtf8(text, tex->second);
        return text;
    }
    if (std::string base = withoutSizeSuffix(name); !base.empty())
        return component(base);
    if (name.size() >= 7 && name.compare(0, 3, "uni") == 0 && (name.size() - 3) % 4 == 0) {
        for (size_t i = 3; i < name.size(); i += 4) {
            if (!parseHex(name, i, 4, c))
                return std::string();
            appendUtf8(text, c);
        }
        return text;
    }
    if (name.size() >= 5 && name.size() <= 7 && name[0] == 'u' && parseHex(name, 1, name.size() - 1, c)) {
        appendUtf8(text, c);
        return text;
    }
    return text;
}

std::string GlyphList::text(const std::string &name) const {
    auto it = names_.find(name);
    if (it != names_.end())
        return it->second;
    std::string base = name.substr(0, name.find('.', 1));
    std::string text;
    size_t start = 0;
    while (start <= base.size()) {
        size_t end = base.find('_', start);
        if (end == std::string::npos)
            end = base.size();
        text += component(base.substr(start, end - start));
        start = end + 1;
    }
    return text;
}

} // namespace pwt
