#include "doc/summary_information.h"

#include "doc/little_endian.h"
#include "doc/unicode.h"

#include <utility>
#include <vector>

namespace pwt::doc {

namespace {

constexpr uint32_t kPidCodePage = 1, kPidTitle = 2, kPidAuthor = 4;
constexpr uint16_t kVtI2 = 0x0002, kVtLpstr = 0x001E;
constexpr uint16_t kCodePageUtf16 = 1200;  // strings of this property set are UTF-16LE

// F29F85E0-4FF9-1068-AB91-08002B27B3D9, the format id of the summary information, as stored.
const char kFormatId[] = "\xE0\x85\x9F\xF2\xF9\x4F\x68\x10\xAB\x91\x08\x00\x2B\x27\xB3\xD9";

std::string stringProperty(const std::string &utf8) {
    std::u16string text = toUtf16(utf8);
    text += u'\0';
    std::string value;
    put16(value, kVtLpstr);
    put16(value, 0);
    put32(value, uint32_t(text.size() * 2));
    putUtf16(value, text);
    padTo(value, 4);
    return value;
}

} // namespace

std::string summaryInformation(const DocumentInfo &info) {
    if (info.title.empty() && info.author.empty())
        return {};
    std::vector<std::pair<uint32_t, std::string>> properties;
    std::string codePage;
    put16(codePage, kVtI2);
    put16(codePage, 0);
    put16(codePage, kCodePageUtf16);
    put16(codePage, 0);
    properties.emplace_back(kPidCodePage, codePage);
    if (!info.title.empty())
        properties.emplace_back(kPidTitle, stringProperty(info.title));
    if (!info.author.empty())
        properties.emplace_back(kPidAuthor, stringProperty(info.author));

    std::string set;
    uint32_t offset = uint32_t(8 + 8 * properties.size());
    std::string values;
    std::string index;
    for (const auto &p : properties) {
        put32(index, p.first);
        put32(index, offset + uint32_t(values.size()));
        values += p.second;
    }
    put32(set, uint32_t(8 + index.size() + values.size()));
    put32(set, uint32_t(properties.size()));
    set += index;
    set += values;

    std::string out;
    put16(out, 0xFFFE);  // byte order
    put16(out, 0);       // version
    put32(out, 0x00020006);  // written on Windows NT 6
    out.append(16, '\0');    // CLSID
    put32(out, 1);           // one property set
    out.append(kFormatId, 16);
    put32(out, 48);  // it starts right after this header
    return out + set;
}

} // namespace pwt::doc
