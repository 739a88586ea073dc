#include "pdf/glyph_names.h"

#include "layout/utf8.h"
#include "pdf/input_file.h"

#include <sstream>

namespace pwt {
namespace {

bool parseHex(const std::string &s, size_t from, size_t count, char32_t &value) {
    if (from + count > s.size())
        return false;
    value = 0;
    for (size_t i = from; i < from + count; ++i) {
        char ch = s[i];
        int digit = ch >= '0' && ch <= '9' ? ch - '0' : ch >= 'A' && ch <= 'F' ? ch - 'A' + 10 : -1;
        if (digit < 0)
            return false;  // glyph names spell their hex digits in capitals
        value = value * 16 + static_cast<char32_t>(digit);
    }
    return true;
}

} // namespace

void GlyphList::load(const std::string &path) {
    std::string contents;
    if (!readWholeFile(path, contents))
        return;
    std::istringstream in(contents);
    std::string line;
    while (std::getline(in, line)) {
        size_t semi = line.find(';');
        if (line.empty() || line[0] == '#' || semi == std::string::npos)
            continue;
        std::istringstream codes(line.substr(semi + 1));
        std::string text, hex;
        while (codes >> hex)
            appendUtf8(text, static_cast<char32_t>(std::stoul(hex, nullptr, 16)));
        names_.emplace(line.substr(0, semi), text);
    }
}

std::string GlyphList::component(const std::string &name) const {
    auto it = names_.find(name);
    if (it != names_.end())
        return it->second;
    std::string text;
    char32_t c;
    if (name.size() >= 7 && name.compare(0, 3, "uni") == 0 && (name.size() - 3) % 4 == 0) {
        for (size_t i = 3; i < name.size(); i += 4) {
            if (!parseHex(name, i, 4, c))
                return std::string();
            appendUtf8(text, c);
        }
        return text;
    }
    if (name.size() >= 5 && name.size() <= 7 && name[0] == 'u' && parseHex(name, 1, name.size() - 1, c)) {
        appendUtf8(text, c);
        return text;
    }
    return text;
}

std::string GlyphList::text(const std::string &name) const {
    auto it = names_.find(name);
    if (it != names_.end())
        return it->second;
    std::string base = name.substr(0, name.find('.', 1));
    std::string text;
    size_t start = 0;
    while (start <= base.size()) {
        size_t end = base.find('_', start);
        if (end == std::string::npos)
            end = base.size();
        text += component(base.substr(start, end - start));
        start = end + 1;
    }
    return text;
}

} // namespace pwt
