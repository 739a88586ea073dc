#include "doc/formatted_pages.h"

#include "doc/little_endian.h"

#include <stdexcept>

namespace pwt::doc {

namespace {

constexpr size_t kMaxRuns = 0x65;        // character FKP entries per page
constexpr size_t kMaxParagraphs = 0x1D;  // paragraph FKP entries per page
constexpr size_t kBxSize = 13;           // a paragraph entry's offset byte and its height record

} // namespace

size_t FormattedPages::recordSize(const std::string &properties) const {
    if (kind_ == Kind::Character)
        return properties.empty() ? 0 : 1 + properties.size();
    // PapxInFkp: an odd-sized grpprl is counted in words by one byte, an even one by a zero and a byte.
    return properties.size() % 2 ? 1 + properties.size() : 2 + properties.size();
}

bool FormattedPages::fits(const std::string &properties) const {
    const size_t entries = fcs_.size();  // after this one: entries runs, entries + 1 offsets
    if (entries >= (kind_ == Kind::Character ? kMaxRuns : kMaxParagraphs))
        return false;
    const size_t head = 4 * (entries + 2) + (entries + 1) * (kind_ == Kind::Character ? 1 : kBxSize);
    size_t low = low_;
    if (!properties.empty() && !placed_.count(properties))
        low = (low - recordSize(properties)) & ~size_t(1);
    return head <= low;
}

void FormattedPages::add(uint32_t start, uint32_t end, const std::string &properties) {
    if (end <= start)
        return;
    if (kind_ == Kind::Character && hasLast_ && properties == last_ && start == end_) {
        end_ = end;  // same properties as the run before: extend it
        return;
    }
    if (kind_ == Kind::Character ? properties.size() > 255 : properties.size() > 2 * 255)
        throw std::length_error("properties too long for a formatted disk page");
    if (!fcs_.empty() && (!fits(properties) || start != end_))
        closePage();
    if (fcs_.empty())
        fcs_.push_back(start);
    else
        fcs_.push_back(end_);
    uint8_t offset = 0;
    if (!properties.empty()) {
        const auto known = placed_.find(properties);
        if (known != placed_.end()) {
            offset = known->second;
        } else {
            low_ = (low_ - recordSize(properties)) & ~size_t(1);
            size_t at = low_;
            if (kind_ == Kind::Character) {
                page_[at++] = char(properties.size());
            } else if (properties.size() % 2) {
                page_[at++] = char((properties.size() + 1) / 2);
            } else {
                page_[at++] = 0;
                page_[at++] = char(properties.size() / 2);
            }
            page_.replace(at, properties.size(), properties);
            offset = uint8_t(low_ / 2);
            placed_.emplace(properties, offset);
        }
    }
    offsets_.push_back(offset);
    last_ = properties;
    hasLast_ = true;
    end_ = end;
}

void FormattedPages::closePage() {
    if (fcs_.empty())
        return;
    fcs_.push_back(end_);
    const size_t entries = offsets_.size();
    std::string head;
    for (uint32_t fc : fcs_)
        put32(head, fc);
    for (uint8_t offset : offsets_) {
        put8(head, offset);
        if (kind_ == Kind::Paragraph)
            head.append(kBxSize - 1, '\0');
    }
    page_.replace(0, head.size(), head);
    page_[511] = char(entries);
    pageStarts_.push_back(fcs_.front());
    pages_.push_back(std::move(page_));

    page_.assign(512, '\0');
    fcs_.clear();
    offsets_.clear();
    placed_.clear();
    low_ = 511;
    hasLast_ = false;
}

std::string FormattedPages::pages(uint32_t firstPage) {
    const uint32_t lastEnd = end_;
    closePage();
    std::string out;
    binTable_.clear();
    for (uint32_t start : pageStarts_)
        put32(binTable_, start);
    put32(binTable_, lastEnd);
    for (size_t i = 0; i < pages_.size(); ++i) {
        put32(binTable_, firstPage + uint32_t(i));
        out += pages_[i];
    }
    return out;
}

} // namespace pwt::doc
