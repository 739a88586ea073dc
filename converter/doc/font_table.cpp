#include "doc/font_table.h"

#include "doc/little_endian.h"
#include "doc/unicode.h"

namespace pwt::doc {

namespace {

// Code page bits of the FONTSIGNATURE, so that Word picks the face for the script it covers.
uint32_t codePageBits(uint8_t charset) {
    switch (charset) {
    case 134: return 1u << 18;
    case 136: return 1u << 20;
    case 128: return 1u << 17;
    case 129: return 1u << 19;
    case 2: return 1u << 31;
    default: return 1u;
    }
}

} // namespace

FontTable::FontTable() { add(faceForPdfFont("")); }

uint16_t FontTable::indexFor(const std::string &pdfName) {
    const auto known = byPdfName_.find(pdfName);
    if (known != byPdfName_.end())
        return known->second;
    const uint16_t index = add(faceForPdfFont(pdfName));
    byPdfName_.emplace(pdfName, index);
    return index;
}

uint16_t FontTable::add(const FontFace &face) {
    const auto known = byFace_.find(face.name);
    if (known != byFace_.end())
        return known->second;
    // ftc is 16-bit and the table's count is capped; a document that names more faces shares the default.
    if (faces_.size() >= 0x7FF0)
        return 0;
    faces_.push_back(face);
    const uint16_t index = uint16_t(faces_.size() - 1);
    byFace_.emplace(face.name, index);
    return index;
}

std::string FontTable::bytes() const {
    std::string out;
    put16(out, uint16_t(faces_.size()));
    put16(out, 0);  // no extra data per entry
    for (const FontFace &face : faces_) {
        std::u16string name = toUtf16(face.name);
        if (name.size() > 64)  // the face name holds at most 65 characters with its terminator
            name.resize(64);
        std::string ffn;
        const uint8_t pitch = face.fixedPitch ? 1 : 2;
        put8(ffn, uint8_t(pitch | 1 << 2 | uint8_t(face.family) << 4));  // prq, fTrueType, ff
        put16(ffn, 400);  // regular weight; runs carry bold themselves
        put8(ffn, face.charset);
        put8(ffn, 0);  // no alternative name
        ffn.append(10, '\0');  // PANOSE unknown
        ffn.append(16, '\0');  // Unicode subset bits unknown
        put32(ffn, codePageBits(face.charset));
        put32(ffn, 0);
        putUtf16(ffn, name);
        put16(ffn, 0);
        put8(out, uint8_t(ffn.size()));
        out += ffn;
    }
    return out;
}

} // namespace pwt::doc
