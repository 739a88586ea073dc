#include "pdf/font_data.h"

#include "pdf/input_file.h"

#include <cstdlib>
#include <sstream>

namespace pwt {
namespace {

bool safeFileName(const std::string &name) {
    return !name.empty() && name.size() < 64 && name.find_first_of("/\\:") == std::string::npos &&
           name.find("..") == std::string::npos;
}

bool contains(const std::string &s, const char *part) { return s.find(part) != std::string::npos; }

} // namespace

std::string withoutSubsetPrefix(const std::string &name) {
    if (name.size() > 7 && name[6] == '+') {
        bool prefix = true;
        for (int i = 0; i < 6; ++i)
            prefix = prefix && name[i] >= 'A' && name[i] <= 'Z';
        if (prefix)
            return name.substr(7);
    }
    return name;
}

FontData::FontData(std::string dir) : dir_(std::move(dir)) {
    if (!dir_.empty())
        glyphs_.load(dir_ + "/glyphlist.txt");
}

const FontMetrics *FontData::metrics(const std::string &standardName) {
    auto it = metrics_.find(standardName);
    if (it != metrics_.end())
        return it->second.get();
    auto m = std::make_unique<FontMetrics>();
    if (dir_.empty() || !loadAfm(dir_ + "/afm/" + standardName + ".afm", glyphs_, *m))
        m.reset();
    return (metrics_[standardName] = std::move(m)).get();
}

const EncodingTable &FontData::standardEncoding() {
    // The Helvetica metrics list their glyphs under StandardEncoding codes; ASCII is the fallback.
    static const EncodingTable ascii = [] {
        EncodingTable t{};
        for (char32_t c = 0x20; c < 0x7F; ++c)
            t[c] = c;
        return t;
    }();
    const FontMetrics *m = metrics("Helvetica");
    return m ? m->builtinEncoding : ascii;
}

const FontMetrics *FontData::standardMetrics(const std::string &baseFont) {
    std::string name = withoutSubsetPrefix(baseFont);
    std::string family;
    if (contains(name, "Helvetica") || contains(name, "Arial"))
        family = "Helvetica";
    else if (contains(name, "Times"))
        family = "Times";
    else if (contains(name, "Courier"))
        family = "Courier";
    else if (name == "Symbol")
        return metrics("Symbol");
    else if (contains(name, "Dingbats"))
        return metrics("ZapfDingbats");
    else
        return nullptr;
    bool bold = contains(name, "Bold");
    bool italic = contains(name, "Italic") || contains(name, "Oblique");
    if (family == "Times")
        return metrics(bold && italic ? "Times-BoldItalic" : bold ? "Times-Bold" : italic ? "Times-Italic" : "Times-Roman");
    std::string slant = italic ? "Oblique" : "";
    std::string weight = bold ? "Bold" : "";
    return metrics(bold || italic ? family + "-" + weight + slant : family);
}

std::shared_ptr<const CMap> FontData::predefinedCMap(const std::string &name) {
    if (name == "Identity-H" || name == "Identity-V")
        return CMap::identity(name.back() == 'V');
    if (!safeFileName(name) || dir_.empty())
        return nullptr;
    auto it = cmaps_.find(name);
    if (it != cmaps_.end())
        return it->second;
    std::shared_ptr<const CMap> map;
    std::string data;
    if (cmapDepth_ < 8 && readWholeFile(dir_ + "/cmap/" + name, data)) {
        ++cmapDepth_;
        map = CMap::parse(data, [this](const std::string &parent) { return predefinedCMap(parent); });
        --cmapDepth_;
    }
    return cmaps_[name] = map;
}

const std::vector<std::string> &FontData::cffStandardStrings() {
    if (cffStringsLoaded_ || dir_.empty())
        return cffStrings_;
    cffStringsLoaded_ = true;
    // A PostScript file: the names stand between "/CFFStandardStrings mark" and "counttomark".
    std::string data;
    if (!readWholeFile(dir_ + "/cff-standard-strings.ps", data))
        return cffStrings_;
    size_t pos = data.find("CFFStandardStrings mark");
    size_t end = data.find("counttomark", pos);
    if (pos == std::string::npos || end == std::string::npos)
        return cffStrings_;
    std::istringstream in(data.substr(pos, end - pos));
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '%')
            continue;
        std::istringstream words(line);
        std::string w;
        while (words >> w)
            if (w.size() > 1 && w[0] == '/' && w != "/CFFStandardStrings")
                cffStrings_.push_back(w.substr(1));
    }
    return cffStrings_;
}

const std::vector<char32_t> *FontData::cidToUnicode(const std::string &collection) {
    auto it = cidTables_.find(collection);
    if (it != cidTables_.end())
        return it->second.get();
    std::unique_ptr<std::vector<char32_t>> table;
    std::string data;
    if (safeFileName(collection) && !dir_.empty() && readWholeFile(dir_ + "/cid2unicode/" + collection, data)) {
        // One line per CID, holding the code point in hex.
        table = std::make_unique<std::vector<char32_t>>();
        table->reserve(data.size() / 5);
        const char *p = data.c_str();
        while (*p) {
            char *end = nullptr;
            unsigned long v = std::strtoul(p, &end, 16);
            table->push_back(end == p ? 0 : static_cast<char32_t>(v));
            p = end;
            while (*p && *p != '\n')
                ++p;
            if (*p)
                ++p;
        }
    }
    return (cidTables_[collection] = std::move(table)).get();
}

} // namespace pwt
