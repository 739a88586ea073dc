// The document model that sits between the PDF reader and the writers.
// The reader and the layout fill it; each back end (text, Word 97-2003) only reads it.
// Units are PDF points (1/72 inch); texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pwt {

struct RunStyle {
    std::string font;        // family name as the PDF names it, subset prefix removed
    double size = 10.0;      // points
    bool bold = false;
    bool italic = false;
    uint32_t color = 0;      // 0xRRGGBB

    bool operator==(const RunStyle &o) const {
        return font == o.font && size == o.size && bold == o.bold && italic == o.italic && color == o.color;
    }
    bool operator!=(const RunStyle &o) const { return !(*this == o); }
};

struct Run {
    enum class Kind { Text, LineBreak };
    Kind kind = Kind::Text;
    std::string text;        // empty for a line break
    RunStyle style;
};

enum class Alignment { Left, Center, Right, Justify };

struct Paragraph {
    std::vector<Run> runs;
    Alignment alignment = Alignment::Left;
    double leftIndent = 0;       // from the left margin
    double rightIndent = 0;      // from the right margin
    double firstLineIndent = 0;  // relative to leftIndent, negative for a hanging indent
    double spaceBefore = 0;
    double spaceAfter = 0;
    double lineSpacing = 0;      // baseline to baseline; 0 means single spacing
    int headingLevel = 0;        // 0 for body text, 1 to 6 for headings

    std::string text() const;    // runs joined, a line break as '\n'
};

// A block is a region of the page read as one unit. Text is the only kind yet; pictures and
// tables become further kinds beside it.
struct Block {
    enum class Kind { Text };
    Kind kind = Kind::Text;
    double left = 0, top = 0, right = 0, bottom = 0;  // bounding box, top-down page coordinates
    std::vector<Paragraph> paragraphs;
};

struct Page {
    double width = 612;          // of the visible page, after rotation
    double height = 792;
    int rotation = 0;            // 0, 90, 180 or 270, as the PDF asks
    double marginLeft = 72, marginRight = 72, marginTop = 72, marginBottom = 72;
    std::vector<Block> blocks;   // in reading order
};

struct DocumentInfo {
    std::string title;
    std::string author;
};

struct Document {
    DocumentInfo info;
    std::vector<Page> pages;
};

} // namespace pwt
