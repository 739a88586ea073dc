#include "pdf/cmap.h"

#include "layout/utf8.h"

#include <algorithm>
#include <cstdlib>

namespace pwt {
namespace {

// Expanding a bfrange into single entries is fastest to look up; wide ranges stay ranges.
constexpr uint32_t kExpandLimit = 256;

struct Token {
    enum Kind { Hex, Name, Number, Keyword, ArrayOpen, ArrayClose, End } kind = End;
    std::string bytes;  // the decoded bytes of Hex, the name without '/', the keyword
    double number = 0;
};

class Tokenizer {
public:
    explicit Tokenizer(const std::string &data) : s_(data) {}

    Token next() {
        Token t;
        skipSpace();
        if (i_ >= s_.size())
            return t;
        char c = s_[i_];
        if (c == '<' && i_ + 1 < s_.size() && s_[i_ + 1] == '<') {
            i_ += 2;
            t.kind = Token::Keyword;
            t.bytes = "<<";
        } else if (c == '<') {
            t.kind = Token::Hex;
            ++i_;
            int nibble = -1;
            while (i_ < s_.size() && s_[i_] != '>') {
                int d = hexDigit(s_[i_++]);
                if (d < 0)
                    continue;
                if (nibble < 0) {
                    nibble = d;
                } else {
                    t.bytes += static_cast<char>(nibble * 16 + d);
                    nibble = -1;
                }
            }
            if (nibble >= 0)
                t.bytes += static_cast<char>(nibble * 16);
            ++i_;
        } else if (c == '[' || c == ']') {
            t.kind = c == '[' ? Token::ArrayOpen : Token::ArrayClose;
            ++i_;
        } else if (c == '(') {
            skipString();
            return next();
        } else if (c == '/') {
            t.kind = Token::Name;
            ++i_;
            t.bytes = word();
        } else {
            std::string w = word();
            if (w.empty()) {
                ++i_;
                return next();
            }
            char *end = nullptr;
            t.number = std::strtod(w.c_str(), &end);
            t.kind = *end == '\0' ? Token::Number : Token::Keyword;
            t.bytes = w;
        }
        return t;
    }

private:
    static int hexDigit(char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }
    static bool isDelimiter(char c) {
        return c == '(' || c == ')' || c == '<' || c == '>' || c == '[' || c == ']' || c == '{' || c == '}' ||
               c == '/' || c == '%';
    }
    static bool isSpace(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == 0; }

    void skipSpace() {
        while (i_ < s_.size()) {
            if (isSpace(s_[i_])) {
                ++i_;
            } else if (s_[i_] == '%') {
                while (i_ < s_.size() && s_[i_] != '\n' && s_[i_] != '\r')
                    ++i_;
            } else {
                break;
            }
        }
    }
    void skipString() {
        int depth = 0;
        for (; i_ < s_.size(); ++i_) {
            if (s_[i_] == '\\')
                ++i_;
            else if (s_[i_] == '(')
                ++depth;
            else if (s_[i_] == ')' && --depth == 0)
                break;
        }
        ++i_;
    }
    std::string word() {
        size_t start = i_;
        while (i_ < s_.size() && !isSpace(s_[i_]) && !isDelimiter(s_[i_]))
            ++i_;
        return s_.substr(start, i_ - start);
    }

    const std::string &s_;
    size_t i_ = 0;
};

uint32_t codeValue(const std::string &bytes) {
    uint32_t v = 0;
    for (size_t i = 0; i < bytes.size() && i < 4; ++i)
        v = (v << 8) | static_cast<unsigned char>(bytes[i]);
    return v;
}

std::u32string utf16ToCodePoints(const std::string &bytes) {
    std::u32string out;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t unit = (static_cast<unsigned char>(bytes[i]) << 8) | static_cast<unsigned char>(bytes[i + 1]);
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            char32_t low = (static_cast<unsigned char>(bytes[i + 2]) << 8) | static_cast<unsigned char>(bytes[i + 3]);
            if (low >= 0xDC00 && low < 0xE000) {
                out += 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
                continue;
            }
        }
        out += unit;
    }
    if (bytes.size() == 1)
        out += static_cast<unsigned char>(bytes[0]);
    return out;
}

std::string toUtf8(const std::u32string &text) {
    std::string out;
    for (char32_t c : text)
        appendUtf8(out, c);
    return out;
}

} // namespace

std::shared_ptr<CMap> CMap::identity(bool vertical) {
    auto map = std::make_shared<CMap>();
    map->identity_ = true;
    map->vertical_ = vertical;
    map->codespaces_.push_back({2, {0, 0}, {0xFF, 0xFF}});
    return map;
}

std::shared_ptr<CMap> CMap::parse(const std::string &data, const Resolver &resolve) {
    auto map = std::make_shared<CMap>();
    Tokenizer tok(data);
    Token prev;
    for (Token t = tok.next(); t.kind != Token::End; prev = t, t = tok.next()) {
        if (t.kind == Token::Name && t.bytes == "WMode") {
            Token v = tok.next();
            map->vertical_ = v.kind == Token::Number && v.number == 1;
            continue;
        }
        if (t.kind != Token::Keyword)
            continue;
        if (t.bytes == "usecmap" && prev.kind == Token::Name && resolve) {
            map->parent_ = resolve(prev.bytes);
        } else if (t.bytes == "begincodespacerange") {
            for (;;) {
                Token lo = tok.next();
                if (lo.kind != Token::Hex)
                    break;
                Token hi = tok.next();
                if (hi.kind != Token::Hex || lo.bytes.empty() || lo.bytes.size() > 4 || hi.bytes.size() != lo.bytes.size())
                    continue;
                Codespace cs{static_cast<int>(lo.bytes.size()), {}, {}};
                for (int i = 0; i < cs.length; ++i) {
                    cs.low[i] = static_cast<uint8_t>(lo.bytes[i]);
                    cs.high[i] = static_cast<uint8_t>(hi.bytes[i]);
                }
                map->codespaces_.push_back(cs);
            }
        } else if (t.bytes == "begincidrange" || t.bytes == "begincidchar") {
            bool range = t.bytes == "begincidrange";
            for (;;) {
                Token lo = tok.next();
                if (lo.kind != Token::Hex)
                    break;
                Token hi = range ? tok.next() : lo;
                Token cid = tok.next();
                if (cid.kind != Token::Number || cid.number < 0)
                    continue;
                uint32_t l = codeValue(lo.bytes), h = codeValue(hi.bytes);
                if (h >= l)
                    map->cids_.push_back({l, h, static_cast<uint32_t>(cid.number)});
            }
        } else if (t.bytes == "beginbfchar") {
            for (;;) {
                Token src = tok.next();
                if (src.kind != Token::Hex)
                    break;
                Token dst = tok.next();
                uint32_t code = codeValue(src.bytes);
                if (dst.kind == Token::Hex)
                    map->addText(code, code, utf16ToCodePoints(dst.bytes));
            }
        } else if (t.bytes == "beginbfrange") {
            for (;;) {
                Token lo = tok.next();
                if (lo.kind != Token::Hex)
                    break;
                Token hi = tok.next();
                Token dst = tok.next();
                uint32_t l = codeValue(lo.bytes), h = codeValue(hi.bytes);
                if (dst.kind == Token::Hex) {
                    if (h >= l)
                        map->addText(l, h, utf16ToCodePoints(dst.bytes));
                } else if (dst.kind == Token::ArrayOpen) {
                    uint32_t code = l;
                    for (Token e = tok.next(); e.kind == Token::Hex; e = tok.next(), ++code)
                        if (code <= h)
                            map->addText(code, code, utf16ToCodePoints(e.bytes));
                }
            }
        }
    }
    std::sort(map->cids_.begin(), map->cids_.end(),
              [](const CidRange &a, const CidRange &b) { return a.low < b.low; });
    return map;
}

void CMap::addText(uint32_t low, uint32_t high, std::u32string first) {
    if (first.empty())
        return;
    if (high - low >= kExpandLimit) {
        textRanges_.push_back({low, high, std::move(first)});
        return;
    }
    for (uint32_t code = low;; ++code) {
        texts_[code] = toUtf8(first);
        if (code == high)
            break;
        ++first.back();
    }
}

const std::vector<CMap::Codespace> &CMap::codespaces() const {
    if (codespaces_.empty() && parent_)
        return parent_->codespaces();
    return codespaces_;
}

uint32_t CMap::nextCode(const std::string &bytes, size_t &pos, int &length) const {
    const std::vector<Codespace> &spaces = codespaces();
    int shortest = 4;
    for (int n = 1; n <= 4 && pos + n <= bytes.size(); ++n) {
        for (const Codespace &cs : spaces) {
            if (cs.length != n)
                continue;
            shortest = std::min(shortest, n);
            bool inside = true;
            for (int i = 0; i < n && inside; ++i) {
                auto b = static_cast<uint8_t>(bytes[pos + i]);
                inside = b >= cs.low[i] && b <= cs.high[i];
            }
            if (inside) {
                length = n;
                uint32_t code = codeValue(bytes.substr(pos, n));
                pos += n;
                return code;
            }
        }
    }
    if (spaces.empty())
        shortest = 1;
    length = static_cast<int>(std::min<size_t>(shortest, bytes.size() - pos));
    uint32_t code = codeValue(bytes.substr(pos, length));
    pos += length;
    return code;
}

bool CMap::findCid(uint32_t code, uint32_t &cid) const {
    if (identity_) {
        cid = code;
        return true;
    }
    auto it = std::upper_bound(cids_.begin(), cids_.end(), code,
                               [](uint32_t c, const CidRange &r) { return c < r.low; });
    if (it != cids_.begin() && code <= (--it)->high) {
        cid = it->cid + (code - it->low);
        return true;
    }
    return parent_ && parent_->findCid(code, cid);
}

uint32_t CMap::cid(uint32_t code) const {
    uint32_t c = 0;
    findCid(code, c);
    return c;
}

bool CMap::findText(uint32_t code, std::string &text) const {
    auto it = texts_.find(code);
    if (it != texts_.end()) {
        text = it->second;
        return true;
    }
    for (const TextRange &r : textRanges_) {
        if (code >= r.low && code <= r.high) {
            std::u32string t = r.first;
            t.back() += code - r.low;
            text = toUtf8(t);
            return true;
        }
    }
    return parent_ && parent_->findText(code, text);
}

std::string CMap::text(uint32_t code) const {
    std::string t;
    findText(code, t);
    return t;
}

bool CMap::mapsText() const {
    return !texts_.empty() || !textRanges_.empty() || (parent_ && parent_->mapsText());
}

} // namespace pwt
