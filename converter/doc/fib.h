// The File Information Block at the start of the WordDocument stream, in its Word 97 form (nFib 0x00C1,
// no cswNew block), which every reader of .doc files knows.
#pragma once

#include <cstdint>
#include <string>

namespace pwt::doc {

constexpr uint32_t kFibSize = 900;

struct TableSpan {
    uint32_t fc = 0;  // offset in the 1Table stream
    uint32_t lcb = 0;
};

struct FibFields {
    uint16_t lidFE = 0;  // language of the East Asian text; 0 when there is none
    uint32_t fcMin = 0, fcMac = 0;  // the text's byte range in the WordDocument stream
    uint32_t cbMac = 0;             // size of the WordDocument stream
    uint32_t ccpText = 0;
    TableSpan stshf, plcfSed, plcfBteChpx, plcfBtePapx, sttbfFfn, dop, clx;
};

std::string fibBytes(const FibFields &fields);

} // namespace pwt::doc
