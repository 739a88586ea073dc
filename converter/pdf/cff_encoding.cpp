#include "pdf/cff_encoding.h"

#include <cstdint>

namespace pwt {
namespace {

constexpr size_t kStandardStringCount = 391;

class Reader {
public:
    explicit Reader(const std::string &data) : d_(data) {}

    bool ok() const { return ok_; }
    size_t size() const { return d_.size(); }
    uint32_t byte(size_t pos) {
        if (pos >= d_.size()) {
            ok_ = false;
            return 0;
        }
        return static_cast<unsigned char>(d_[pos]);
    }
    uint32_t card(size_t pos, int bytes) {
        uint32_t v = 0;
        for (int i = 0; i < bytes; ++i)
            v = (v << 8) | byte(pos + i);
        return v;
    }

    // An INDEX at pos: the item ranges, and pos moved past it.
    std::vector<std::pair<size_t, size_t>> index(size_t &pos) {
        std::vector<std::pair<size_t, size_t>> items;
        uint32_t count = card(pos, 2);
        if (count == 0) {
            pos += 2;
            return items;
        }
        int offSize = static_cast<int>(byte(pos + 2));
        if (offSize < 1 || offSize > 4 || count > d_.size()) {
            ok_ = false;
            return items;
        }
        size_t offsets = pos + 3;
        size_t dataStart = offsets + (count + 1) * offSize - 1;
        for (uint32_t i = 0; i < count && ok_; ++i) {
            size_t from = dataStart + card(offsets + i * offSize, offSize);
            size_t to = dataStart + card(offsets + (i + 1) * offSize, offSize);
            if (to < from || to > d_.size())
                ok_ = false;
            items.emplace_back(from, to);
        }
        pos = dataStart + card(offsets + count * offSize, offSize);
        return items;
    }

    std::string text(std::pair<size_t, size_t> range) const { return d_.substr(range.first, range.second - range.first); }

private:
    const std::string &d_;
    bool ok_ = true;
};

struct TopDict {
    long charset = 0, encoding = 0, charStrings = -1;
    bool cid = false;
};

TopDict parseTopDict(Reader &r, size_t from, size_t to) {
    TopDict top;
    std::vector<double> operands;
    for (size_t p = from; p < to && r.ok();) {
        uint32_t b = r.byte(p);
        if (b <= 21) {
            uint32_t op = b == 12 ? 1200 + r.byte(p + 1) : b;
            p += b == 12 ? 2 : 1;
            long v = operands.empty() ? 0 : static_cast<long>(operands.back());
            if (op == 15)
                top.charset = v;
            else if (op == 16)
                top.encoding = v;
            else if (op == 17)
                top.charStrings = v;
            else if (op == 1230)
                top.cid = true;
            operands.clear();
        } else if (b == 28) {
            operands.push_back(static_cast<int16_t>(r.card(p + 1, 2)));
            p += 3;
        } else if (b == 29) {
            operands.push_back(static_cast<int32_t>(r.card(p + 1, 4)));
            p += 5;
        } else if (b == 30) {
            ++p;  // a real number: nibbles up to the 0xf end mark; never an offset
            while (p < to && (r.byte(p) & 0x0F) != 0x0F && (r.byte(p) >> 4) != 0x0F)
                ++p;
            ++p;
            operands.push_back(0);
        } else if (b >= 32 && b <= 246) {
            operands.push_back(static_cast<double>(b) - 139);
            ++p;
        } else if (b >= 247 && b <= 250) {
            operands.push_back((static_cast<double>(b) - 247) * 256 + r.byte(p + 1) + 108);
            p += 2;
        } else if (b >= 251 && b <= 254) {
            operands.push_back(-(static_cast<double>(b) - 251) * 256 - r.byte(p + 1) - 108);
            p += 2;
        } else {
            ++p;
        }
    }
    return top;
}

} // namespace

bool cffBuiltinEncoding(const std::string &cff, const std::vector<std::string> &standardStrings,
                        std::array<std::string, 256> &names, bool &standard) {
    Reader r(cff);
    size_t pos = r.byte(2);
    r.index(pos);  // names
    auto tops = r.index(pos);
    auto strings = r.index(pos);
    if (!r.ok() || tops.empty())
        return false;
    TopDict top = parseTopDict(r, tops[0].first, tops[0].second);
    if (!r.ok() || top.cid || top.charStrings <= 0)
        return false;
    if (top.encoding == 0) {
        standard = true;
        return true;
    }
    if (top.encoding == 1)
        return false;  // the expert set has no codes worth reading as text
    size_t charStringsPos = static_cast<size_t>(top.charStrings);
    size_t glyphCount = r.index(charStringsPos).size();

    auto sidName = [&](uint32_t sid) -> std::string {
        if (sid < kStandardStringCount)
            return sid < standardStrings.size() ? standardStrings[sid] : std::string();
        sid -= kStandardStringCount;
        return sid < strings.size() ? r.text(strings[sid]) : std::string();
    };

    // gid to SID through the charset; the predefined ISOAdobe charset maps gid to the same SID.
    std::vector<uint32_t> sids(glyphCount, 0);
    if (top.charset == 0) {
        for (size_t g = 0; g < glyphCount; ++g)
            sids[g] = static_cast<uint32_t>(g);
    } else if (top.charset > 2) {
        size_t p = static_cast<size_t>(top.charset);
        uint32_t format = r.byte(p++);
        for (size_t g = 1; g < glyphCount && r.ok();) {
            if (format == 0) {
                sids[g++] = r.card(p, 2);
                p += 2;
            } else {
                uint32_t first = r.card(p, 2);
                uint32_t left = format == 1 ? r.byte(p + 2) : r.card(p + 2, 2);
                p += format == 1 ? 3 : 4;
                for (uint32_t k = 0; k <= left && g < glyphCount; ++k)
                    sids[g++] = first + k;
            }
        }
    }

    size_t p = static_cast<size_t>(top.encoding);
    uint32_t format = r.byte(p++);
    if ((format & 0x7F) == 0) {
        uint32_t count = r.byte(p++);
        for (uint32_t i = 0; i < count && i + 1 < glyphCount; ++i)
            names[r.byte(p + i)] = sidName(sids[i + 1]);
        p += count;
    } else if ((format & 0x7F) == 1) {
        uint32_t ranges = r.byte(p++);
        size_t g = 1;
        for (uint32_t i = 0; i < ranges && r.ok(); ++i, p += 2) {
            uint32_t first = r.byte(p), left = r.byte(p + 1);
            for (uint32_t k = 0; k <= left && g < glyphCount && first + k < 256; ++k)
                names[first + k] = sidName(sids[g++]);
        }
    }
    if (format & 0x80) {
        uint32_t count = r.byte(p++);
        for (uint32_t i = 0; i < count && r.ok(); ++i, p += 3)
            names[r.byte(p)] = sidName(r.card(p + 1, 2));
    }
    return r.ok();
}

} // namespace pwt
