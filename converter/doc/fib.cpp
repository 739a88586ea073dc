#include "doc/fib.h"

#include "doc/little_endian.h"

#include <stdexcept>

namespace pwt::doc {

namespace {

// Positions of the fc/lcb pairs used here within FibRgFcLcb97.
enum FcLcbIndex : size_t {
    kStshfOrig = 0,
    kStshf = 1,
    kPlcfSed = 6,
    kPlcfBteChpx = 12,
    kPlcfBtePapx = 13,
    kSttbfFfn = 15,
    kDop = 31,
    kClx = 33,
    kFcLcbCount = 93,
};

constexpr uint16_t kFlagWhichTableStream = 1 << 9;  // the tables are in 1Table
constexpr uint16_t kFlagExtChar = 1 << 12;          // always set by Word 97 and later
constexpr uint16_t kFlagFarEast = 1 << 14;

} // namespace

std::string fibBytes(const FibFields &f) {
    std::string out;
    put16(out, 0xA5EC);  // wIdent
    put16(out, 0x00C1);  // nFib: Word 97
    put16(out, 0);
    put16(out, f.lidFE ? f.lidFE : 0x0409);  // lid
    put16(out, 0);                           // pnNext
    put16(out, uint16_t(kFlagWhichTableStream | kFlagExtChar | (f.lidFE ? kFlagFarEast : 0)));
    put16(out, 0x00BF);  // nFibBack
    put32(out, 0);       // lKey
    put8(out, 0);        // envr: Windows
    put8(out, 0);
    put16(out, 0);
    put16(out, 0);
    // Older readers such as catdoc still take the text's range from these two former fcMin/fcMac fields.
    put32(out, f.fcMin);
    put32(out, f.fcMac);

    put16(out, 14);  // csw
    for (int i = 0; i < 13; ++i)
        put16(out, 0);
    put16(out, f.lidFE);

    put16(out, 22);  // cslw
    put32(out, f.cbMac);
    put32(out, 0);
    put32(out, 0);
    put32(out, f.ccpText);
    for (int i = 4; i < 22; ++i)
        put32(out, 0);  // no footnotes, headers, comments, endnotes or text boxes

    put16(out, kFcLcbCount);
    std::string pairs(kFcLcbCount * 8, '\0');
    auto set = [&](size_t index, const TableSpan &span) {
        set32(pairs, index * 8, span.fc);
        set32(pairs, index * 8 + 4, span.lcb);
    };
    set(kStshfOrig, f.stshf);
    set(kStshf, f.stshf);
    set(kPlcfSed, f.plcfSed);
    set(kPlcfBteChpx, f.plcfBteChpx);
    set(kPlcfBtePapx, f.plcfBtePapx);
    set(kSttbfFfn, f.sttbfFfn);
    set(kDop, f.dop);
    set(kClx, f.clx);
    out += pairs;
    put16(out, 0);  // cswNew: none, so the Dop is a Dop97

    if (out.size() != kFibSize)
        throw std::logic_error("FIB of the wrong size");
    return out;
}

} // namespace pwt::doc
