// Appending little-endian integers to a byte string: every structure of a .doc is written this way.
#pragma once

#include <cstdint>
#include <string>

namespace pwt::doc {

inline void put8(std::string &out, uint8_t v) { out += char(v); }

inline void put16(std::string &out, uint16_t v) {
    out += char(v & 0xFF);
    out += char(v >> 8);
}

inline void put32(std::string &out, uint32_t v) {
    put16(out, uint16_t(v & 0xFFFF));
    put16(out, uint16_t(v >> 16));
}

inline void set32(std::string &out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = char((v >> (8 * i)) & 0xFF);
}

inline void padTo(std::string &out, size_t unit) { out.append((unit - out.size() % unit) % unit, '\0'); }

inline void putUtf16(std::string &out, const std::u16string &text) {
    for (char16_t c : text)
        put16(out, uint16_t(c));
}

} // namespace pwt::doc
