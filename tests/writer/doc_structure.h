// Checks the parts of a written .doc that the readers take on trust: the FIB, the piece table and the
// FKPs with their bin tables.
#pragma once

#include <cstdint>
#include <string>

namespace pwt::test {

struct DocStructure {
    uint16_t nFib = 0;
    uint16_t flags = 0;
    uint16_t lidFE = 0;
    uint32_t ccpText = 0;
    unsigned characterPages = 0;
    unsigned paragraphPages = 0;
    unsigned sections = 0;
    std::u16string text;
};

// Throws std::runtime_error naming the first fault found.
DocStructure checkDocStructure(const std::string &wordDocument, const std::string &table);

} // namespace pwt::test
