// Turns the font names found in PDFs into the faces users have installed, with the character set and
// family that Word's font table records for them.
#pragma once

#include <cstdint>
#include <string>

namespace pwt::doc {

enum class FontFamily : uint8_t { Unknown = 0, Roman = 1, Swiss = 2, Modern = 3 };

struct FontFace {
    std::string name;  // UTF-8, as Windows names the face
    uint8_t charset = 0;  // 0 ANSI, 134 GB2312, 136 Big5, 128 Shift-JIS, 129 Hangul
    FontFamily family = FontFamily::Roman;
    bool fixedPitch = false;
};

// "ABCDEF+MicrosoftYaHei-Bold" gives 微软雅黑 with charset 134; unknown names keep their family name.
FontFace faceForPdfFont(const std::string &pdfName);

} // namespace pwt::doc
