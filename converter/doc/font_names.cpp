#include "doc/font_names.h"

#include <cctype>
#include <cstring>

namespace pwt::doc {

namespace {

struct KnownFace {
    const char *key;  // the PDF name lower-cased, without spaces, hyphens, underscores or style suffix
    const char *name;
    uint8_t charset;
    FontFamily family;
};

const KnownFace kKnownFaces[] = {
    {"timesnewroman", "Times New Roman", 0, FontFamily::Roman},
    {"timesnewromanps", "Times New Roman", 0, FontFamily::Roman},
    {"times", "Times New Roman", 0, FontFamily::Roman},
    {"timesroman", "Times New Roman", 0, FontFamily::Roman},
    {"arial", "Arial", 0, FontFamily::Swiss},
    {"helvetica", "Arial", 0, FontFamily::Swiss},
    {"couriernew", "Courier New", 0, FontFamily::Modern},
    {"couriernewps", "Courier New", 0, FontFamily::Modern},
    {"courier", "Courier New", 0, FontFamily::Modern},
    {"symbol", "Symbol", 2, FontFamily::Roman},
    {"microsoftyahei", "微软雅黑", 134, FontFamily::Swiss},
    {"微软雅黑", "微软雅黑", 134, FontFamily::Swiss},
    {"simsun", "宋体", 134, FontFamily::Roman},
    {"宋体", "宋体", 134, FontFamily::Roman},
    {"nsimsun", "新宋体", 134, FontFamily::Modern},
    {"新宋体", "新宋体", 134, FontFamily::Modern},
    {"simhei", "黑体", 134, FontFamily::Swiss},
    {"黑体", "黑体", 134, FontFamily::Swiss},
    {"kaiti", "楷体", 134, FontFamily::Roman},
    {"楷体", "楷体", 134, FontFamily::Roman},
    {"kaitigb2312", "楷体_GB2312", 134, FontFamily::Roman},
    {"楷体gb2312", "楷体_GB2312", 134, FontFamily::Roman},
    {"fangsong", "仿宋", 134, FontFamily::Roman},
    {"仿宋", "仿宋", 134, FontFamily::Roman},
    {"fangsonggb2312", "仿宋_GB2312", 134, FontFamily::Roman},
    {"仿宋gb2312", "仿宋_GB2312", 134, FontFamily::Roman},
    {"dengxian", "等线", 134, FontFamily::Swiss},
    {"lisu", "隶书", 134, FontFamily::Roman},
    {"youyuan", "幼圆", 134, FontFamily::Swiss},
    {"stsong", "华文宋体", 134, FontFamily::Roman},
    {"stzhongsong", "华文中宋", 134, FontFamily::Roman},
    {"stheiti", "华文黑体", 134, FontFamily::Swiss},
    {"stxihei", "华文细黑", 134, FontFamily::Swiss},
    {"stkaiti", "华文楷体", 134, FontFamily::Roman},
    {"stfangsong", "华文仿宋", 134, FontFamily::Roman},
    {"adobesongstd", "宋体", 134, FontFamily::Roman},
    {"adobeheitistd", "黑体", 134, FontFamily::Swiss},
    {"adobekaitistd", "楷体", 134, FontFamily::Roman},
    {"adobefangsongstd", "仿宋", 134, FontFamily::Roman},
    {"microsoftjhenghei", "微軟正黑體", 136, FontFamily::Swiss},
    {"mingliu", "細明體", 136, FontFamily::Modern},
    {"pmingliu", "新細明體", 136, FontFamily::Roman},
    {"dfkaisb", "標楷體", 136, FontFamily::Roman},
    {"adobemingstd", "新細明體", 136, FontFamily::Roman},
    {"msung", "新細明體", 136, FontFamily::Roman},
    {"mhei", "微軟正黑體", 136, FontFamily::Swiss},
    // Chinese names that the PDF stores in GBK rather than in UTF-8.
    {"\xCB\xCE\xCC\xE5", "宋体", 134, FontFamily::Roman},
    {"\xBA\xDA\xCC\xE5", "黑体", 134, FontFamily::Swiss},
    {"\xBF\xAC\xCC\xE5", "楷体", 134, FontFamily::Roman},
    {"\xB7\xC2\xCB\xCE", "仿宋", 134, FontFamily::Roman},
    {"\xCE\xA2\xC8\xED\xD1\xC5\xBA\xDA", "微软雅黑", 134, FontFamily::Swiss},
};

const char *const kStyleSuffixes[] = {"bold",  "italic", "oblique", "bolditalic", "boldoblique", "regular",
                                      "roman", "light",  "medium",  "semibold",   "demibold",    "black",
                                      "heavy", "book",   "normal",  "extralight", "ultralight",  "demi"};

std::string lower(const std::string &s) {
    std::string out;
    for (char c : s)
        out += char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool isStyleWord(const std::string &word) {
    std::string w = lower(word);
    if (w.size() > 2 && w.compare(w.size() - 2, 2, "mt") == 0)
        w.resize(w.size() - 2);
    for (const char *suffix : kStyleSuffixes)
        if (w == suffix)
            return true;
    return w.empty();
}

// The family part of a PDF font name: no subset tag, no ",Bold" or "-BoldItalicMT" style part.
std::string familyOf(std::string name) {
    if (name.size() > 7 && name[6] == '+') {
        bool tag = true;
        for (int i = 0; i < 6; ++i)
            tag = tag && std::isupper(static_cast<unsigned char>(name[i]));
        if (tag)
            name.erase(0, 7);
    }
    const size_t comma = name.find(',');
    if (comma != std::string::npos)
        name.resize(comma);
    const size_t dash = name.rfind('-');
    if (dash != std::string::npos && dash > 0 && isStyleWord(name.substr(dash + 1)))
        name.resize(dash);
    return name;
}

std::string keyOf(const std::string &family) {
    std::string key;
    for (char c : family)
        if (c != ' ' && c != '-' && c != '_')
            key += char(std::tolower(static_cast<unsigned char>(c)));
    for (const char *tail : {"psmt", "mt", "ps"}) {
        const size_t n = std::strlen(tail);
        if (key.size() > n && key.compare(key.size() - n, n, tail) == 0) {
            key.resize(key.size() - n);
            break;
        }
    }
    return key;
}

bool hasHan(const std::string &utf8) {
    for (size_t i = 0; i + 2 < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0xE3 && c <= 0xE9)  // lead bytes of U+3000 to U+9FFF
            return true;
    }
    return false;
}

} // namespace

FontFace faceForPdfFont(const std::string &pdfName) {
    const std::string family = familyOf(pdfName);
    if (family.empty())
        return {"Times New Roman", 0, FontFamily::Roman, false};
    const std::string key = keyOf(family);
    for (const KnownFace &known : kKnownFaces)
        if (key == known.key || lower(family) == known.key)
            return {known.name, known.charset, known.family, known.family == FontFamily::Modern};
    FontFace face{family, 0, FontFamily::Roman, false};
    const std::string l = lower(family);
    if (l.find("mono") != std::string::npos || l.find("courier") != std::string::npos ||
        l.find("consol") != std::string::npos || l.find("typewriter") != std::string::npos) {
        face.family = FontFamily::Modern;
        face.fixedPitch = true;
    } else if (l.find("sans") != std::string::npos || l.find("gothic") != std::string::npos ||
               l.find("hei") != std::string::npos) {
        face.family = FontFamily::Swiss;
    }
    if (hasHan(family))
        face.charset = 134;
    return face;
}

} // namespace pwt::doc
