#include "pdf/truetype_cmap.h"

namespace pwt {
namespace {

constexpr uint32_t kMaxCodes = 0x110000;

struct Bytes {
    const std::string &d;
    bool ok = true;

    uint32_t u16(size_t pos) {
        if (pos + 2 > d.size()) {
            ok = false;
            return 0;
        }
        return (static_cast<unsigned char>(d[pos]) << 8) | static_cast<unsigned char>(d[pos + 1]);
    }
    uint32_t u32(size_t pos) { return (u16(pos) << 16) | u16(pos + 2); }
};

void add(std::unordered_map<uint32_t, char32_t> &map, uint32_t glyph, uint32_t code) {
    if (glyph != 0 && code < kMaxCodes)
        map.emplace(glyph, static_cast<char32_t>(code));  // the first (lowest) code wins
}

void readFormat4(Bytes &b, size_t table, std::unordered_map<uint32_t, char32_t> &map) {
    uint32_t segments = b.u16(table + 6) / 2;
    size_t ends = table + 14, starts = ends + 2 * segments + 2, deltas = starts + 2 * segments,
           offsets = deltas + 2 * segments;
    for (uint32_t i = 0; i < segments && b.ok; ++i) {
        uint32_t end = b.u16(ends + 2 * i), start = b.u16(starts + 2 * i);
        uint32_t delta = b.u16(deltas + 2 * i), rangeOffset = b.u16(offsets + 2 * i);
        for (uint32_t c = start; c <= end && c != 0xFFFF && b.ok; ++c) {
            uint32_t glyph;
            if (rangeOffset == 0) {
                glyph = (c + delta) & 0xFFFF;
            } else {
                glyph = b.u16(offsets + 2 * i + rangeOffset + 2 * (c - start));
                if (glyph != 0)
                    glyph = (glyph + delta) & 0xFFFF;
            }
            add(map, glyph, c);
        }
    }
}

void readFormat12(Bytes &b, size_t table, std::unordered_map<uint32_t, char32_t> &map) {
    uint32_t groups = b.u32(table + 12);
    uint32_t total = 0;
    for (uint32_t i = 0; i < groups && b.ok; ++i) {
        size_t g = table + 16 + 12 * static_cast<size_t>(i);
        uint32_t start = b.u32(g), end = b.u32(g + 4), glyph = b.u32(g + 8);
        for (uint32_t c = start; c <= end && c < kMaxCodes && total < kMaxCodes; ++c, ++total)
            add(map, glyph + (c - start), c);
    }
}

} // namespace

std::unordered_map<uint32_t, char32_t> unicodeByGlyph(const std::string &font) {
    std::unordered_map<uint32_t, char32_t> map;
    Bytes b{font};
    uint32_t tables = b.u16(4);
    size_t cmap = 0;
    for (uint32_t i = 0; i < tables && b.ok; ++i) {
        size_t record = 12 + 16 * static_cast<size_t>(i);
        if (font.compare(record, 4, "cmap") == 0)
            cmap = b.u32(record + 8);
    }
    if (!cmap || !b.ok)
        return map;
    size_t best = 0;
    uint32_t bestFormat = 0;
    uint32_t subtables = b.u16(cmap + 2);
    for (uint32_t i = 0; i < subtables && b.ok; ++i) {
        size_t record = cmap + 4 + 8 * static_cast<size_t>(i);
        uint32_t platform = b.u16(record), encoding = b.u16(record + 2);
        size_t table = cmap + b.u32(record + 4);
        uint32_t format = b.u16(table);
        bool unicode = platform == 3 && (encoding == 1 || encoding == 10);
        if (unicode && (format == 12 || (format == 4 && bestFormat != 12))) {
            best = table;
            bestFormat = format;
        }
    }
    if (bestFormat == 12)
        readFormat12(b, best, map);
    else if (bestFormat == 4)
        readFormat4(b, best, map);
    return b.ok ? map : std::unordered_map<uint32_t, char32_t>();
}

} // namespace pwt
