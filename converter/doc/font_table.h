// The document's font table (SttbfFfn): one FFN per face, indexed by the ftc that runs refer to.
#pragma once

#include "doc/font_names.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace pwt::doc {

class FontTable {
public:
    FontTable();  // index 0 is Times New Roman, the stylesheet's default face

    // The index of the face for a PDF font name, added on first use.
    uint16_t indexFor(const std::string &pdfName);
    const FontFace &face(uint16_t index) const { return faces_[index]; }
    size_t size() const { return faces_.size(); }

    std::string bytes() const;

private:
    uint16_t add(const FontFace &face);

    std::vector<FontFace> faces_;
    std::unordered_map<std::string, uint16_t> byPdfName_;
    std::unordered_map<std::string, uint16_t> byFace_;
};

} // namespace pwt::doc
