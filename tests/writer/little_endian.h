// Bounds-checked little-endian reads for the tests' own readers of the files the writer makes.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace pwt::test {

inline void require(bool ok, const std::string &what) {
    if (!ok)
        throw std::runtime_error(what);
}

inline uint32_t u32(const std::string &s, size_t at) {
    require(at + 4 <= s.size(), "read past the end");
    return uint32_t(uint8_t(s[at])) | uint32_t(uint8_t(s[at + 1])) << 8 | uint32_t(uint8_t(s[at + 2])) << 16 |
           uint32_t(uint8_t(s[at + 3])) << 24;
}

inline uint16_t u16(const std::string &s, size_t at) {
    require(at + 2 <= s.size(), "read past the end");
    return uint16_t(uint8_t(s[at]) | uint8_t(s[at + 1]) << 8);
}

} // namespace pwt::test
