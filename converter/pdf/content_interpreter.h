// Runs a page's content streams and collects the glyphs a reader of the page sees: the text state and
// matrices, q/Q, Form XObjects, ActualText spans and the fill colour. Glyphs outside the crop box and
// white glyphs on no background are left out; invisible text (Tr 3) is kept.
#pragma once

#include "layout/glyph.h"
#include "pdf/matrix.h"

#include <qpdf/QPDFObjectHandle.hh>

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace pwt {

class Font;
class FontData;

// Fonts are shared by the pages of one document.
class FontCache {
public:
    explicit FontCache(FontData &data) : data_(data) {}
    std::shared_ptr<Font> get(QPDFObjectHandle dict);

private:
    FontData &data_;
    std::map<QPDFObjGen, std::shared_ptr<Font>> fonts_;
    std::map<std::string, std::shared_ptr<Font>> directFonts_;
};

struct PageSetup {
    double width = 0, height = 0;  // of the visible page
    Matrix toVisible;              // default user space to top-down visible coordinates
};

// Warnings about damaged content go to warn (which may be empty).
PageGlyphs interpretPage(QPDFObjectHandle page, const PageSetup &setup, FontCache &fonts,
                         const std::function<void(const std::string &)> &warn);

} // namespace pwt
