// A font of a PDF page as the text extraction sees it: how a string's bytes become characters with
// Unicode text and advance widths. Glyph shapes are never needed.
#pragma once

#include <qpdf/QPDFObjectHandle.hh>

#include <memory>
#include <string>
#include <vector>

namespace pwt {

class CMap;
class FontData;

struct DecodedChar {
    std::string text;           // UTF-8 with ligatures expanded; empty when nothing maps the code
    double advance = 0;         // along the writing direction, in text space units (1 = the font size)
    bool wordSpace = false;     // the single-byte code 32, to which Tw applies
};

struct FontStyle {
    std::string family;         // subset prefix and style suffix removed
    bool bold = false;
    bool italic = false;
};

class Font {
public:
    virtual ~Font();
    virtual void decode(const std::string &bytes, std::vector<DecodedChar> &out) const = 0;

    bool vertical() const { return vertical_; }
    const FontStyle &style() const { return style_; }

protected:
    bool vertical_ = false;
    FontStyle style_;
};

// Never fails: a font it cannot make sense of decodes to characters with no text.
std::shared_ptr<Font> loadFont(QPDFObjectHandle dict, FontData &data);

// Helpers shared by the font kinds.
FontStyle fontStyle(QPDFObjectHandle dict, QPDFObjectHandle descriptor);
std::string expandLigatures(std::string text);
double numberOr(QPDFObjectHandle value, double fallback);
std::shared_ptr<const CMap> loadToUnicode(QPDFObjectHandle dict);

} // namespace pwt
