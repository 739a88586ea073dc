// The data files beside pwt (see pwt_stage_data in CMakeLists.txt), loaded on first use and kept for one
// document: the glyph list, standard-14 metrics, predefined CMaps and CID-to-Unicode tables.
#pragma once

#include "pdf/afm.h"
#include "pdf/cmap.h"
#include "pdf/encodings.h"
#include "pdf/glyph_names.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace pwt {

class FontData {
public:
    explicit FontData(std::string dir);

    const GlyphList &glyphs() const { return glyphs_; }
    const EncodingTable &standardEncoding();

    // Metrics for one of the standard 14 fonts or a common alias of one (Arial, TimesNewRoman...);
    // nullptr for other fonts.
    const FontMetrics *standardMetrics(const std::string &baseFont);

    // "Identity-H", "GBK-EUC-H" and the like; nullptr when unknown.
    std::shared_ptr<const CMap> predefinedCMap(const std::string &name);

    // The 391 glyph names CFF fonts refer to by number; empty when the data is missing.
    const std::vector<std::string> &cffStandardStrings();

    // CID-to-Unicode table of a character collection such as "Adobe-GB1"; nullptr when not shipped.
    const std::vector<char32_t> *cidToUnicode(const std::string &collection);

private:
    const FontMetrics *metrics(const std::string &standardName);

    std::string dir_;
    GlyphList glyphs_;
    std::map<std::string, std::unique_ptr<FontMetrics>> metrics_;
    std::map<std::string, std::shared_ptr<const CMap>> cmaps_;
    std::map<std::string, std::unique_ptr<std::vector<char32_t>>> cidTables_;
    std::vector<std::string> cffStrings_;
    bool cffStringsLoaded_ = false;
    int cmapDepth_ = 0;
};

// A font name without its subset prefix ("ABCDEF+").
std::string withoutSubsetPrefix(const std::string &name);

} // namespace pwt
