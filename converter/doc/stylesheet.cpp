#include "doc/stylesheet.h"

#include "doc/little_endian.h"
#include "doc/sprms.h"

#include <cstdint>

namespace pwt::doc {

namespace {

constexpr uint16_t kIstdNil = 0x0FFF;
constexpr uint16_t kStyleCount = 15;  // the fixed slots every stylesheet has, some left empty
constexpr uint16_t kDefaultParagraphFont = 10;

enum StyleKind : uint16_t { kParagraphStyle = 1, kCharacterStyle = 2 };

// One LPStd: the style's base record, its name and its property exceptions.
std::string styleRecord(uint16_t sti, StyleKind kind, uint16_t base, uint16_t next, const std::u16string &name,
                        const std::string &paragraphProps) {
    std::string std_;
    put16(std_, sti);
    put16(std_, uint16_t(kind | base << 4));
    put16(std_, uint16_t((kind == kParagraphStyle ? 2 : 1) | next << 4));
    put16(std_, 0);  // bchUpe, filled in below
    put16(std_, 0);  // grfstd
    put16(std_, uint16_t(name.size()));
    putUtf16(std_, name);
    put16(std_, 0);
    if (kind == kParagraphStyle) {
        put16(std_, uint16_t(2 + paragraphProps.size()));
        put16(std_, 0);  // the istd inside a style's own PAPX is ignored
        std_ += paragraphProps;
        padTo(std_, 2);
    }
    put16(std_, 0);  // no character properties of its own: runs carry theirs
    std_[6] = char(std_.size() & 0xFF);
    std_[7] = char(std_.size() >> 8);
    std::string lp;
    put16(lp, uint16_t(std_.size()));
    return lp + std_;
}

} // namespace

std::string stylesheetBytes() {
    std::string out;
    put16(out, 18);  // cbStshi: the Word 97 header without the later extensions
    put16(out, kStyleCount);
    put16(out, 10);      // cbSTDBaseInFile: StdfBase only
    put16(out, 1);       // fStdStylenamesWritten
    put16(out, 0x5B);    // stiMaxWhenSaved
    put16(out, 0x000F);  // istdMaxFixedWhenSaved
    put16(out, 0);       // nVerBuiltInNamesWhenSaved
    put16(out, 0);       // ftcAsci: Times New Roman, entry 0 of the font table
    put16(out, 0);       // ftcFE
    put16(out, 0);       // ftcOther

    out += styleRecord(0, kParagraphStyle, kIstdNil, 0, u"Normal", "");
    for (int level = 1; level <= kMaxHeadingStyle; ++level) {
        Paragraph heading;
        heading.headingLevel = level;
        const std::u16string name = u"heading " + std::u16string(1, char16_t(u'0' + level));
        out += styleRecord(uint16_t(level), kParagraphStyle, 0, 0, name, paragraphGrpprl(heading));
    }
    for (uint16_t istd = kMaxHeadingStyle + 1; istd < kStyleCount; ++istd) {
        if (istd == kDefaultParagraphFont)
            out += styleRecord(65, kCharacterStyle, kIstdNil, kDefaultParagraphFont, u"Default Paragraph Font", "");
        else
            put16(out, 0);  // an empty slot
    }
    return out;
}

} // namespace pwt::doc
