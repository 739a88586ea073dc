// A CMap: how a string's bytes split into character codes, and what each code means, either a CID
// (predefined and embedded encodings of Type0 fonts) or Unicode text (ToUnicode maps).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace pwt {

class CMap {
public:
    using Resolver = std::function<std::shared_ptr<const CMap>(const std::string &name)>;

    // Parses CMap text; usecmap names go through resolve (which may return nullptr).
    static std::shared_ptr<CMap> parse(const std::string &data, const Resolver &resolve);
    static std::shared_ptr<CMap> identity(bool vertical);

    // Reads the code at bytes[pos] along the codespace ranges and advances pos past it.
    uint32_t nextCode(const std::string &bytes, size_t &pos, int &length) const;

    uint32_t cid(uint32_t code) const;       // 0 when unmapped
    std::string text(uint32_t code) const;   // UTF-8; empty when unmapped
    bool vertical() const { return vertical_; }
    bool mapsText() const;

private:
    struct Codespace {
        int length;
        uint8_t low[4], high[4];
    };
    struct CidRange {
        uint32_t low, high, cid;
    };
    struct TextRange {
        uint32_t low, high;
        std::u32string first;
    };

    void addText(uint32_t low, uint32_t high, std::u32string first);
    bool findCid(uint32_t code, uint32_t &cid) const;
    bool findText(uint32_t code, std::string &text) const;
    const std::vector<Codespace> &codespaces() const;

    std::vector<Codespace> codespaces_;
    std::vector<CidRange> cids_;          // sorted by low before use
    std::unordered_map<uint32_t, std::string> texts_;
    std::vector<TextRange> textRanges_;
    std::shared_ptr<const CMap> parent_;
    bool vertical_ = false;
    bool identity_ = false;
};

} // namespace pwt
