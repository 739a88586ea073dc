#include "doc/dop.h"

#include "doc/little_endian.h"

namespace pwt::doc {

namespace {

constexpr size_t kDop97Size = 500;
constexpr size_t kDxaTabOffset = 0x0A;
constexpr uint8_t kWidowControl = 1 << 1;

} // namespace

std::string dopBytes() {
    std::string dop(kDop97Size, '\0');
    dop[0] = char(kWidowControl);
    dop[kDxaTabOffset] = char(720 & 0xFF);  // a default tab stop every half inch
    dop[kDxaTabOffset + 1] = char(720 >> 8);
    return dop;
}

} // namespace pwt::doc
