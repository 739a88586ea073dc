// Formatted disk pages (FKPs): the 512-byte pages in the WordDocument stream that map byte ranges of
// the text to character or paragraph properties, and the bin table that lists them.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace pwt::doc {

class FormattedPages {
public:
    enum class Kind { Character, Paragraph };
    explicit FormattedPages(Kind kind) : kind_(kind) {}

    // Properties for the bytes from the previous range's end (or start) up to end. Paragraph
    // properties begin with the style index. Consecutive ranges with equal properties are merged.
    void add(uint32_t start, uint32_t end, const std::string &properties);

    // Finishes the pages; they start at firstPage * 512 in the WordDocument stream.
    std::string pages(uint32_t firstPage);
    // The PlcBte for the pages returned by pages().
    const std::string &binTable() const { return binTable_; }

private:
    bool fits(const std::string &properties) const;
    void closePage();
    size_t recordSize(const std::string &properties) const;

    Kind kind_;
    std::vector<std::string> pages_;
    std::vector<uint32_t> pageStarts_;
    std::string binTable_;

    // The page being filled.
    std::vector<uint32_t> fcs_;
    std::vector<uint8_t> offsets_;  // word offsets of each entry's record
    std::string page_ = std::string(512, '\0');
    size_t low_ = 511;  // records are placed downwards from the count byte
    std::unordered_map<std::string, uint8_t> placed_;
    std::string last_;
    bool hasLast_ = false;
    uint32_t end_ = 0;
};

} // namespace pwt::doc
