#include "pdf/cid_font.h"

#include "layout/utf8.h"
#include "pdf/cmap.h"
#include "pdf/font_data.h"
#include "pdf/stream_data.h"
#include "pdf/truetype_cmap.h"

#include <unordered_map>

namespace pwt {
namespace {

class CidFont : public Font {
public:
    CidFont(QPDFObjectHandle dict, FontData &data);

    void decode(const std::string &bytes, std::vector<DecodedChar> &out) const override {
        size_t pos = 0;
        while (pos < bytes.size()) {
            int length = 1;
            uint32_t code = encoding_->nextCode(bytes, pos, length);
            uint32_t cid = encoding_->cid(code);
            DecodedChar d;
            d.text = text(code, cid);
            d.advance = vertical_ ? verticalAdvance_ : width(cid);
            d.wordSpace = length == 1 && code == 32;
            out.push_back(std::move(d));
        }
    }

private:
    std::string text(uint32_t code, uint32_t cid) const {
        if (toUnicode_) {
            std::string t = toUnicode_->text(code);
            if (!t.empty() && static_cast<unsigned char>(t[0]) >= 0x20)
                return expandLigatures(t);
        }
        if (collection_ && cid < collection_->size() && (*collection_)[cid]) {
            std::string t;
            appendUtf8(t, (*collection_)[cid]);
            return expandLigatures(t);
        }
        uint32_t glyph = cidToGlyph_.empty() ? cid : cid < cidToGlyph_.size() ? cidToGlyph_[cid] : 0;
        auto it = programUnicode_.find(glyph);
        if (it != programUnicode_.end()) {
            std::string t;
            appendUtf8(t, it->second);
            return expandLigatures(t);
        }
        return std::string();
    }

    double width(uint32_t cid) const {
        auto it = widths_.find(cid);
        if (it != widths_.end())
            return it->second;
        for (const WidthRange &r : ranges_)
            if (cid >= r.first && cid <= r.last)
                return r.width;
        return defaultWidth_;
    }

    void readWidths(QPDFObjectHandle w);
    void readTrueTypeProgram(QPDFObjectHandle cidFont);

    struct WidthRange {
        uint32_t first, last;
        double width;
    };

    std::shared_ptr<const CMap> encoding_;
    std::shared_ptr<const CMap> toUnicode_;
    const std::vector<char32_t> *collection_ = nullptr;
    std::unordered_map<uint32_t, char32_t> programUnicode_;  // glyph id to code point, from the font program
    std::vector<uint32_t> cidToGlyph_;                        // empty for the identity
    std::unordered_map<uint32_t, double> widths_;
    std::vector<WidthRange> ranges_;
    double defaultWidth_ = 1.0;
    double verticalAdvance_ = 1.0;
};

// A W array: "c [w1 w2 ...]" lists widths from c on; "c1 c2 w" gives one width to a range.
void CidFont::readWidths(QPDFObjectHandle w) {
    if (!w.isArray())
        return;
    int n = w.getArrayNItems();
    for (int i = 0; i + 1 < n;) {
        uint32_t first = static_cast<uint32_t>(numberOr(w.getArrayItem(i), 0));
        QPDFObjectHandle next = w.getArrayItem(i + 1);
        if (next.isArray()) {
            uint32_t cid = first;
            for (QPDFObjectHandle item : next.aitems())
                widths_[cid++] = numberOr(item, 1000) / 1000;
            i += 2;
        } else if (i + 2 < n) {
            uint32_t last = static_cast<uint32_t>(numberOr(next, first));
            if (last >= first)
                ranges_.push_back({first, last, numberOr(w.getArrayItem(i + 2), 1000) / 1000});
            i += 3;
        } else {
            break;
        }
    }
}

// Without ToUnicode or a known collection, the embedded TrueType program's own cmap names the glyphs.
void CidFont::readTrueTypeProgram(QPDFObjectHandle cidFont) {
    QPDFObjectHandle descriptor = cidFont.getKey("/FontDescriptor");
    QPDFObjectHandle file = descriptor.isDictionary() ? descriptor.getKey("/FontFile2") : QPDFObjectHandle();
    std::string program;
    if (!file.isStream() || !readStreamData(file, program))
        return;
    programUnicode_ = unicodeByGlyph(program);
    QPDFObjectHandle map = cidFont.getKey("/CIDToGIDMap");
    std::string bytes;
    if (map.isStream() && readStreamData(map, bytes)) {
        cidToGlyph_.reserve(bytes.size() / 2);
        for (size_t i = 0; i + 1 < bytes.size(); i += 2)
            cidToGlyph_.push_back((static_cast<unsigned char>(bytes[i]) << 8) | static_cast<unsigned char>(bytes[i + 1]));
    }
}

CidFont::CidFont(QPDFObjectHandle dict, FontData &data) {
    QPDFObjectHandle encoding = dict.getKey("/Encoding");
    if (encoding.isName()) {
        encoding_ = data.predefinedCMap(encoding.getName().substr(1));
    } else if (encoding.isStream()) {
        std::string cmapData;
        if (readStreamData(encoding, cmapData))
            encoding_ = CMap::parse(cmapData, [&data](const std::string &name) { return data.predefinedCMap(name); });
    }
    if (!encoding_)
        encoding_ = CMap::identity(false);
    vertical_ = encoding_->vertical();
    toUnicode_ = loadToUnicode(dict);

    QPDFObjectHandle descendants = dict.getKey("/DescendantFonts");
    QPDFObjectHandle cidFont = descendants.isArray() && descendants.getArrayNItems() > 0
                                   ? descendants.getArrayItem(0)
                                   : QPDFObjectHandle::newNull();
    if (!cidFont.isDictionary()) {
        style_ = fontStyle(dict, QPDFObjectHandle::newNull());
        return;
    }
    style_ = fontStyle(dict, cidFont.getKey("/FontDescriptor"));
    QPDFObjectHandle info = cidFont.getKey("/CIDSystemInfo");
    if (info.isDictionary() && info.getKey("/Registry").isString() && info.getKey("/Ordering").isString()) {
        std::string collection = info.getKey("/Registry").getStringValue() + "-" +
                                 info.getKey("/Ordering").getStringValue();
        if (collection == "Adobe-GB1" || collection == "Adobe-CNS1" || collection == "Adobe-Japan1" ||
            collection == "Adobe-Korea1")
            collection_ = data.cidToUnicode(collection);
    }
    QPDFObjectHandle subtype = cidFont.getKey("/Subtype");
    if (!toUnicode_ && !collection_ && subtype.isName() && subtype.getName() == "/CIDFontType2")
        readTrueTypeProgram(cidFont);
    defaultWidth_ = numberOr(cidFont.getKey("/DW"), 1000) / 1000;
    readWidths(cidFont.getKey("/W"));
    QPDFObjectHandle dw2 = cidFont.getKey("/DW2");
    if (dw2.isArray() && dw2.getArrayNItems() == 2)
        verticalAdvance_ = -numberOr(dw2.getArrayItem(1), -1000) / 1000;
}

} // namespace

std::shared_ptr<Font> makeCidFont(QPDFObjectHandle dict, FontData &data) {
    return std::make_shared<CidFont>(dict, data);
}

} // namespace pwt
