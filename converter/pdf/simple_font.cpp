#include "pdf/simple_font.h"

#include "layout/utf8.h"
#include "pdf/cff_encoding.h"
#include "pdf/cmap.h"
#include "pdf/font_data.h"
#include "pdf/stream_data.h"

#include <array>
#include <cstdlib>

namespace pwt {
namespace {

constexpr int kFlagSymbolic = 4;

class SimpleFont : public Font {
public:
    SimpleFont(QPDFObjectHandle dict, FontData &data, const std::string &subtype);

    void decode(const std::string &bytes, std::vector<DecodedChar> &out) const override {
        for (char b : bytes) {
            auto code = static_cast<unsigned char>(b);
            DecodedChar d;
            d.text = text_[code];
            d.advance = advance_[code];
            d.wordSpace = code == 32;
            out.push_back(std::move(d));
        }
    }

private:
    void applyEncoding(QPDFObjectHandle dict, QPDFObjectHandle descriptor, FontData &data, const std::string &subtype,
                       const FontMetrics *standard);
    void setName(int code, const std::string &glyphName, const GlyphList &glyphs);

    std::array<std::string, 256> text_;
    std::array<double, 256> advance_{};
};

// The encoding a Type1 font program declares: "/Encoding StandardEncoding def" or "dup 65 /A put" lines
// in its clear-text part; or the encoding of a bare CFF program.
bool builtinType1Encoding(QPDFObjectHandle descriptor, FontData &data, std::array<std::string, 256> &names,
                          bool &standard) {
    if (!descriptor.isDictionary())
        return false;
    std::string program;
    QPDFObjectHandle cff = descriptor.getKey("/FontFile3");
    if (cff.isStream()) {
        QPDFObjectHandle subtype = cff.getDict().getKey("/Subtype");
        return subtype.isName() && subtype.getName() == "/Type1C" && readStreamData(cff, program) &&
               cffBuiltinEncoding(program, data.cffStandardStrings(), names, standard);
    }
    QPDFObjectHandle file = descriptor.getKey("/FontFile");
    if (!file.isStream() || !readStreamData(file, program))
        return false;
    size_t end = program.find("eexec");
    if (end != std::string::npos)
        program.resize(end);
    size_t pos = program.find("/Encoding");
    if (pos == std::string::npos)
        return false;
    if (program.compare(pos + 10, 16, "StandardEncoding") == 0) {
        standard = true;
        return true;
    }
    for (pos = program.find("dup ", pos); pos != std::string::npos; pos = program.find("dup ", pos)) {
        const char *p = program.c_str() + pos + 4;
        char *end = nullptr;
        long code = std::strtol(p, &end, 10);
        const char *after = end;
        pos += 4;
        if (after == p || code < 0 || code > 255)
            continue;
        while (*after == ' ')
            ++after;
        if (*after != '/')
            continue;
        const char *nameEnd = after + 1;
        while (*nameEnd && *nameEnd != ' ' && *nameEnd != '\n' && *nameEnd != '\r' && *nameEnd != '/')
            ++nameEnd;
        names[code] = std::string(after + 1, nameEnd);
    }
    return true;
}

SimpleFont::SimpleFont(QPDFObjectHandle dict, FontData &data, const std::string &subtype) {
    QPDFObjectHandle descriptor = dict.getKey("/FontDescriptor");
    style_ = fontStyle(dict, descriptor);
    std::string baseFont = dict.getKey("/BaseFont").isName() ? dict.getKey("/BaseFont").getName().substr(1) : "";
    bool embedded = descriptor.isDictionary() && (descriptor.getKey("/FontFile").isStream() ||
                                                  descriptor.getKey("/FontFile2").isStream() ||
                                                  descriptor.getKey("/FontFile3").isStream());
    const FontMetrics *standard = embedded && subtype != "/Type1" ? nullptr : data.standardMetrics(baseFont);
    if (subtype == "/Type3")
        standard = nullptr;
    if (style_.family.empty())
        style_.family = subtype == "/Type3" ? "Type3" : "Helvetica";

    applyEncoding(dict, descriptor, data, subtype, standard);

    if (std::shared_ptr<const CMap> toUnicode = loadToUnicode(dict)) {
        for (int code = 0; code < 256; ++code) {
            std::string t = toUnicode->text(static_cast<uint32_t>(code));
            if (!t.empty() && static_cast<unsigned char>(t[0]) >= 0x20)
                text_[code] = expandLigatures(t);
        }
    }

    double scale = 0.001;
    QPDFObjectHandle matrix = dict.getKey("/FontMatrix");
    if (subtype == "/Type3" && matrix.isArray() && matrix.getArrayNItems() == 6)
        scale = numberOr(matrix.getArrayItem(0), 0.001);
    double missing = descriptor.isDictionary() ? numberOr(descriptor.getKey("/MissingWidth"), 0) : 0;
    QPDFObjectHandle widths = dict.getKey("/Widths");
    int first = static_cast<int>(numberOr(dict.getKey("/FirstChar"), 0));
    int count = widths.isArray() ? widths.getArrayNItems() : 0;
    for (int code = 0; code < 256; ++code) {
        double w;
        if (code >= first && code - first < count) {
            w = numberOr(widths.getArrayItem(code - first), missing);
        } else if (standard) {
            auto it = standard->widthByText.find(text_[code]);
            w = it != standard->widthByText.end() ? it->second : standard->defaultWidth;
        } else {
            w = count > 0 ? missing : 500;
        }
        advance_[code] = w * scale;
    }
}

void SimpleFont::setName(int code, const std::string &glyphName, const GlyphList &glyphs) {
    text_[code] = expandLigatures(glyphs.text(glyphName));
}

void SimpleFont::applyEncoding(QPDFObjectHandle dict, QPDFObjectHandle descriptor, FontData &data,
                               const std::string &subtype, const FontMetrics *standard) {
    int flags = descriptor.isDictionary() ? static_cast<int>(numberOr(descriptor.getKey("/Flags"), 0)) : 0;
    bool symbolic = (flags & kFlagSymbolic) != 0;
    QPDFObjectHandle encoding = dict.getKey("/Encoding");
    QPDFObjectHandle baseName = encoding.isDictionary() ? encoding.getKey("/BaseEncoding") : encoding;

    const EncodingTable *base = baseName.isName() ? namedEncoding(baseName.getName()) : nullptr;
    if (!base && baseName.isName() && baseName.getName() == "/StandardEncoding")
        base = &data.standardEncoding();
    std::array<std::string, 256> builtinNames;
    bool builtinStandard = false;
    if (!base) {
        if (standard && (style_.family == "Symbol" || style_.family.find("Dingbats") != std::string::npos))
            base = &standard->builtinEncoding;
        else if (subtype == "/TrueType" && symbolic)
            base = nullptr;  // symbolic TrueType: codes stand for themselves (the (3,0) cmap's F0xx range)
        else if (subtype == "/TrueType")
            base = &winAnsiEncoding();
        else if (subtype == "/Type3")
            base = nullptr;
        else if (builtinType1Encoding(descriptor, data, builtinNames, builtinStandard) && !builtinStandard)
            base = nullptr;
        else
            base = &data.standardEncoding();
    }
    for (int code = 0; code < 256; ++code) {
        char32_t c = base ? (*base)[code] : 0;
        if (!base && subtype == "/TrueType" && code >= 0x20)
            c = static_cast<char32_t>(code);
        if (c) {
            std::string t;
            appendUtf8(t, c);
            text_[code] = expandLigatures(t);
        } else if (!builtinNames[code].empty()) {
            setName(code, builtinNames[code], data.glyphs());
        }
    }

    QPDFObjectHandle differences = encoding.isDictionary() ? encoding.getKey("/Differences") : QPDFObjectHandle();
    if (!differences.isArray())
        return;
    int code = 0;
    for (QPDFObjectHandle item : differences.aitems()) {
        if (item.isNumber()) {
            code = static_cast<int>(numberOr(item, 0));
        } else if (item.isName()) {
            if (code >= 0 && code < 256)
                setName(code, item.getName().substr(1), data.glyphs());
            ++code;
        }
    }
}

} // namespace

std::shared_ptr<Font> makeSimpleFont(QPDFObjectHandle dict, FontData &data, const std::string &subtype) {
    return std::make_shared<SimpleFont>(dict, data, subtype);
}

} // namespace pwt
