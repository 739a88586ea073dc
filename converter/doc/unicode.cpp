#include "doc/unicode.h"

#include <cstdint>

namespace pwt::doc {

std::u16string toUtf16(const std::string &utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    const size_t n = utf8.size();
    for (size_t i = 0; i < n;) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
        uint32_t cp = extra == 0 ? lead : extra == 1 ? lead & 0x1F : extra == 2 ? lead & 0x0F : lead & 0x07;
        bool ok = extra >= 0;
        size_t used = 1;  // the lead byte and the continuation bytes that were good
        for (; ok && int(used) <= extra; ++used) {
            const unsigned char c = i + used < n ? static_cast<unsigned char>(utf8[i + used]) : 0;
            ok = (c & 0xC0) == 0x80;
            if (!ok)
                break;
            cp = (cp << 6) | (c & 0x3F);
        }
        static const uint32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        ok = ok && cp >= minimum[extra] && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
        i += used;
        if (!ok) {
            out += u'\uFFFD';
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += char16_t(0xD800 + (cp >> 10));
            out += char16_t(0xDC00 + (cp & 0x3FF));
        } else {
            out += char16_t(cp);
        }
    }
    return out;
}

uint16_t eastAsianLanguage(const std::u16string &text) {
    bool han = false;
    for (char16_t c : text) {
        if (c >= 0x3040 && c <= 0x30FF)
            return 0x0411;  // kana: Japanese
        if (c >= 0xAC00 && c <= 0xD7AF)
            return 0x0412;  // Hangul: Korean
        han = han || (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF);
    }
    return han ? 0x0804 : 0;  // Han alone: Chinese (PRC)
}

} // namespace pwt::doc
