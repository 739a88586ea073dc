#include "pdf/afm.h"

#include "layout/utf8.h"
#include "pdf/glyph_names.h"
#include "pdf/input_file.h"

#include <sstream>

namespace pwt {

// Lines look like "C 65 ; WX 667 ; N A ; B 14 0 654 718 ;".
bool loadAfm(const std::string &path, const GlyphList &glyphs, FontMetrics &metrics) {
    std::string contents;
    if (!readWholeFile(path, contents))
        return false;
    std::istringstream in(contents);
    std::string line;
    double total = 0;
    int count = 0;
    while (std::getline(in, line)) {
        if (line.compare(0, 2, "C ") != 0)
            continue;
        int code = -1;
        double width = 0;
        std::string name;
        std::istringstream fields(line);
        std::string key;
        while (fields >> key) {
            if (key == "C")
                fields >> code;
            else if (key == "WX")
                fields >> width;
            else if (key == "N")
                fields >> name;
        }
        std::string text = glyphs.text(name);
        if (text.empty())
            continue;
        metrics.widthByText.emplace(text, width);
        total += width;
        ++count;
        if (code >= 0 && code < 256) {
            size_t pos = 0;
            metrics.builtinEncoding[code] = nextCodePoint(text, pos);
        }
    }
    metrics.defaultWidth = count ? total / count : 500;
    return true;
}

} // namespace pwt
