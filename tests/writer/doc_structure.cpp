#include "doc_structure.h"

#include "little_endian.h"

#include <stdexcept>
#include <vector>

namespace pwt::test {

namespace {

constexpr size_t kFcLcbStart = 154; // FibBase, csw with fibRgW, cslw with fibRgLw, cbRgFcLcb

std::pair<uint32_t, uint32_t> fcLcb(const std::string &word, size_t index) {
    return {u32(word, kFcLcbStart + 8 * index), u32(word, kFcLcbStart + 8 * index + 4)};
}

// Walks one bin table and its FKPs; returns the number of pages. Paragraph FKP ranges must end
// just after a paragraph or section mark.
unsigned checkBinTable(const std::string &word, const std::string &table, std::pair<uint32_t, uint32_t> span,
                       bool paragraphs, uint32_t fcMin, uint32_t fcMac) {
    require(span.second >= 12 && (span.second - 4) % 8 == 0, "bin table size");
    require(span.first + span.second <= table.size(), "bin table past the table stream");
    const unsigned n = (span.second - 4) / 8;
    require(u32(table, span.first) == fcMin, "bin table does not start at the text");
    require(u32(table, span.first + 4 * n) == fcMac, "bin table does not end with the text");
    for (unsigned i = 0; i < n; ++i) {
        const uint32_t start = u32(table, span.first + 4 * i), end = u32(table, span.first + 4 * (i + 1));
        const uint32_t pn = u32(table, span.first + 4 * (n + 1) + 4 * i) & 0x3FFFFF;
        const std::string page = word.substr(size_t(pn) * 512, 512);
        require(page.size() == 512, "FKP past the stream");
        const unsigned count = uint8_t(page[511]);
        require(count >= 1 && count <= (paragraphs ? 0x1Du : 0x65u), "FKP entry count");
        require(u32(page, 0) == start && u32(page, 4 * count) == end, "FKP range differs from its bin table");
        const size_t entrySize = paragraphs ? 13 : 1;
        require(4 * (count + 1) + entrySize * count <= 511, "FKP header overflows");
        for (unsigned k = 0; k < count; ++k) {
            const uint32_t a = u32(page, 4 * k), b = u32(page, 4 * (k + 1));
            require(a < b, "FKP ranges out of order");
            const unsigned offset = uint8_t(page[4 * (count + 1) + entrySize * k]) * 2;
            if (paragraphs) {
                require(offset >= 4 * (count + 1) + entrySize * count && offset < 511, "PAPX offset");
                const char16_t mark = char16_t(u16(word, b - 2));
                require(mark == 0x0D || mark == 0x0C, "paragraph range does not end on a mark");
                unsigned cb = uint8_t(page[offset]);
                const size_t size = cb ? 2 * cb - 1 : 2 * uint8_t(page[offset + 1]);
                require(offset + (cb ? 1 : 2) + size <= 511, "PAPX past its page");
                require(u16(page, offset + (cb ? 1 : 2)) <= 6, "paragraph style index");
            } else if (offset) {
                require(offset >= 4 * (count + 1) + count && offset + 1 + uint8_t(page[offset]) <= 511,
                        "CHPX offset");
            }
        }
    }
    return n;
}

} // namespace

DocStructure checkDocStructure(const std::string &word, const std::string &table) {
    DocStructure d;
    require(u16(word, 0) == 0xA5EC, "wIdent");
    d.nFib = u16(word, 2);
    d.flags = u16(word, 10);
    require(u16(word, 32) == 14 && u16(word, 62) == 22 && u16(word, 152) == 93, "Word 97 FIB counts");
    d.lidFE = u16(word, 34 + 2 * 13);
    require(u32(word, 64) == word.size(), "cbMac");
    d.ccpText = u32(word, 64 + 12);

    const auto clx = fcLcb(word, 33);
    require(clx.second == 21 && uint8_t(table.at(clx.first)) == 2 && u32(table, clx.first + 1) == 16,
            "one piece in the piece table");
    require(u32(table, clx.first + 5) == 0 && u32(table, clx.first + 9) == d.ccpText,
            "piece covers the text");
    const uint32_t fc = u32(table, clx.first + 15);
    require((fc & 0x40000000) == 0, "piece is UTF-16");
    const uint32_t fcMin = fc, fcMac = fc + 2 * d.ccpText;
    require(u32(word, 24) == fcMin && u32(word, 28) == fcMac, "fcMin and fcMac for older readers");
    for (uint32_t at = fcMin; at < fcMac; at += 2)
        d.text += char16_t(u16(word, at));
    require(!d.text.empty() && d.text.back() == 0x0D, "text ends with a paragraph mark");

    d.characterPages = checkBinTable(word, table, fcLcb(word, 12), false, fcMin, fcMac);
    d.paragraphPages = checkBinTable(word, table, fcLcb(word, 13), true, fcMin, fcMac);

    const auto sed = fcLcb(word, 6);
    require(sed.second >= 16 && (sed.second - 4) % 16 == 0, "section table size");
    d.sections = (sed.second - 4) / 16;
    require(u32(table, sed.first) == 0 && u32(table, sed.first + 4 * d.sections) == d.ccpText,
            "sections cover the text");
    for (unsigned i = 0; i < d.sections; ++i) {
        const uint32_t end = u32(table, sed.first + 4 * (i + 1));
        if (i + 1 < d.sections)
            require(d.text.at(end - 1) == 0x0C, "section does not end on a section mark");
        const uint32_t sepx = u32(table, sed.first + 4 * (d.sections + 1) + 12 * i + 2);
        require(sepx + 2 + u16(word, sepx) <= word.size(), "SEPX past the stream");
    }
    return d;
}

} // namespace pwt::test
