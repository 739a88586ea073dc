// The main text of a .doc as it is stored: the model's paragraphs in UTF-16 with Word's control
// characters, and where each run, paragraph and section ends.
#pragma once

#include "doc/font_table.h"
#include "model/document.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pwt::doc {

constexpr char16_t kParagraphMark = 0x0D;
constexpr char16_t kLineBreak = 0x0B;
constexpr char16_t kPageBreak = 0x0C;    // also the section mark, when a section ends there
constexpr char16_t kSectionMark = 0x0C;

struct TextRange {
    uint32_t end;            // the character position just after the range
    std::string properties;  // grpprl; for paragraphs preceded by the style index
};

struct SectionRange {
    uint32_t end;
    const Page *page;  // the page whose size and margins the section takes
};

struct DocumentText {
    std::u16string text;
    std::vector<TextRange> runs;        // character properties, contiguous from position 0
    std::vector<TextRange> paragraphs;  // each ends just after its paragraph or section mark
    std::vector<SectionRange> sections;
};

// Pages of the same size are separated by page breaks; a page of another size starts a new section.
// Fonts used by the runs are added to the font table.
DocumentText layOutText(const Document &doc, FontTable &fonts);

} // namespace pwt::doc
