#include "pdf/font.h"

#include "pdf/cid_font.h"
#include "pdf/cmap.h"
#include "pdf/font_data.h"
#include "pdf/simple_font.h"
#include "pdf/stream_data.h"

namespace pwt {
namespace {

bool containsAny(const std::string &s, std::initializer_list<const char *> parts) {
    for (const char *p : parts)
        if (s.find(p) != std::string::npos)
            return true;
    return false;
}

class EmptyFont : public Font {
public:
    void decode(const std::string &bytes, std::vector<DecodedChar> &out) const override {
        for (char c : bytes) {
            DecodedChar d;
            d.advance = 0.5;
            d.wordSpace = c == ' ';
            out.push_back(d);
        }
    }
};

} // namespace

Font::~Font() = default;

double numberOr(QPDFObjectHandle value, double fallback) {
    double v;
    return value.getValueAsNumber(v) ? v : fallback;
}

FontStyle fontStyle(QPDFObjectHandle dict, QPDFObjectHandle descriptor) {
    FontStyle style;
    std::string name = dict.getKey("/BaseFont").isName() ? dict.getKey("/BaseFont").getName().substr(1) : "";
    name = withoutSubsetPrefix(name);
    style.bold = containsAny(name, {"Bold", "bold", "Black", "Heavy", "Semibold", "SemiBold", "Demi"});
    style.italic = containsAny(name, {"Italic", "italic", "Oblique", "oblique"});
    if (descriptor.isDictionary()) {
        int flags = static_cast<int>(numberOr(descriptor.getKey("/Flags"), 0));
        style.italic = style.italic || (flags & 64) || numberOr(descriptor.getKey("/ItalicAngle"), 0) != 0;
        style.bold = style.bold || (flags & 0x40000) || numberOr(descriptor.getKey("/FontWeight"), 400) >= 600;
    }
    size_t cut = name.find_first_of(",-");
    if (cut != std::string::npos && cut > 0 &&
        containsAny(name.substr(cut), {"Bold", "Italic", "Oblique", "Regular", "Roman", "Medium", "Light",
                                       "Black", "Semi", "Demi", "Book", "MT", "PS"}))
        name = name.substr(0, cut);
    style.family = name;
    return style;
}

std::string expandLigatures(std::string text) {
    // U+FB00..U+FB06 are EF AC 80..86 in UTF-8.
    static const char *const expansions[] = {"ff", "fi", "fl", "ffi", "ffl", "st", "st"};
    for (size_t pos = text.find("\xEF\xAC"); pos != std::string::npos; pos = text.find("\xEF\xAC", pos)) {
        auto last = static_cast<unsigned char>(pos + 2 < text.size() ? text[pos + 2] : 0);
        if (last >= 0x80 && last <= 0x86) {
            text.replace(pos, 3, expansions[last - 0x80]);
        } else {
            pos += 2;
        }
    }
    return text;
}

std::shared_ptr<const CMap> loadToUnicode(QPDFObjectHandle dict) {
    QPDFObjectHandle stream = dict.getKey("/ToUnicode");
    std::string data;
    if (!stream.isStream() || !readStreamData(stream, data))
        return nullptr;
    auto map = CMap::parse(data, nullptr);
    return map->mapsText() ? map : nullptr;
}

std::shared_ptr<Font> loadFont(QPDFObjectHandle dict, FontData &data) {
    if (!dict.isDictionary())
        return std::make_shared<EmptyFont>();
    std::string subtype = dict.getKey("/Subtype").isName() ? dict.getKey("/Subtype").getName() : "";
    if (subtype == "/Type0")
        return makeCidFont(dict, data);
    return makeSimpleFont(dict, data, subtype);
}

} // namespace pwt
