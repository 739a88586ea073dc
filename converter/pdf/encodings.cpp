#include "pdf/encodings.h"

#include "layout/utf8.h"

namespace pwt {
namespace {

EncodingTable latinBase() {
    EncodingTable t{};
    for (char32_t c = 0x20; c < 0x7F; ++c)
        t[c] = c;
    for (char32_t c = 0xA1; c <= 0xFF; ++c)
        t[c] = c;
    return t;
}

template <size_t N> void fill(EncodingTable &t, size_t first, const char32_t (&values)[N]) {
    for (size_t i = 0; i < N; ++i)
        t[first + i] = values[i];
}

EncodingTable makeWinAnsi() {
    EncodingTable t = latinBase();
    static const char32_t high[] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    fill(t, 0x80, high);
    t[0xA0] = 0x20;  // the non-breaking space separates words like a space
    t[0xAD] = 0x2D;
    return t;
}

EncodingTable makeMacRoman() {
    EncodingTable t = latinBase();
    static const char32_t high[] = {
        0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1, 0x00E0, 0x00E2, 0x00E4, 0x00E3, 0x00E5,
        0x00E7, 0x00E9, 0x00E8, 0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3, 0x00F2, 0x00F4,
        0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC, 0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6,
        0x00DF, 0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8, 0x221E, 0x00B1, 0x2264, 0x2265,
        0x00A5, 0x00B5, 0x2202, 0x2211, 0x220F, 0x03C0, 0x222B, 0x00AA, 0x00BA, 0x03A9, 0x00E6, 0x00F8, 0x00BF,
        0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB, 0x00BB, 0x2026, 0x0020, 0x00C0, 0x00C3, 0x00D5,
        0x0152, 0x0153, 0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x25CA, 0x00FF, 0x0178, 0x2044,
        0x00A4, 0x2039, 0x203A, 0xFB01, 0xFB02, 0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1,
        0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC, 0x00D3, 0x00D4, 0,      0x00D2, 0x00DA, 0x00DB, 0x00D9,
        0x0131, 0x02C6, 0x02DC, 0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7};
    fill(t, 0x80, high);
    return t;
}

EncodingTable makePdfDoc() {
    EncodingTable t = latinBase();
    static const char32_t low[] = {0x02D8, 0x02C7, 0x02C6, 0x02D9, 0x02DD, 0x02DB, 0x02DA, 0x02DC};
    static const char32_t high[] = {0x2022, 0x2020, 0x2021, 0x2026, 0x2014, 0x2013, 0x0192, 0x2044, 0x2039,
                                    0x203A, 0x2212, 0x2030, 0x201E, 0x201C, 0x201D, 0x2018, 0x2019, 0x201A,
                                    0x2122, 0xFB01, 0xFB02, 0x0141, 0x0152, 0x0160, 0x0178, 0x017D, 0x0131,
                                    0x0142, 0x0153, 0x0161, 0x017E, 0,      0x20AC};
    fill(t, 0x18, low);
    fill(t, 0x80, high);
    t[0xAD] = 0;
    return t;
}

} // namespace

const EncodingTable &winAnsiEncoding() {
    static const EncodingTable t = makeWinAnsi();
    return t;
}

const EncodingTable &macRomanEncoding() {
    static const EncodingTable t = makeMacRoman();
    return t;
}

const EncodingTable &pdfDocEncoding() {
    static const EncodingTable t = makePdfDoc();
    return t;
}

const EncodingTable *namedEncoding(const std::string &name) {
    if (name == "/WinAnsiEncoding")
        return &winAnsiEncoding();
    if (name == "/MacRomanEncoding")
        return &macRomanEncoding();
    if (name == "/PDFDocEncoding")
        return &pdfDocEncoding();
    return nullptr;
}

} // namespace pwt

namespace pwt {

std::string textStringToUtf8(const std::string &bytes) {
    std::string out;
    auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (bytes.size() >= 2 && byte(0) == 0xFE && byte(1) == 0xFF) {
        for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
            char32_t unit = (byte(i) << 8) | byte(i + 1);
            if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
                char32_t low = (byte(i + 2) << 8) | byte(i + 3);
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
            appendUtf8(out, unit);
        }
        return out;
    }
    if (bytes.size() >= 3 && byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF)
        return bytes.substr(3);
    for (size_t i = 0; i < bytes.size(); ++i)
        if (char32_t c = pdfDocEncoding()[byte(i)])
            appendUtf8(out, c);
    return out;
}

} // namespace pwt
