// The few UTF-8 and script facts the reader and the layout need.
#pragma once

#include <string>

namespace pwt {

void appendUtf8(std::string &out, char32_t c);

// Decodes the code point at text[pos] and advances pos; malformed bytes yield U+FFFD.
char32_t nextCodePoint(const std::string &text, size_t &pos);

bool isRightToLeft(char32_t c);  // Hebrew and Arabic letters
bool isLowerCaseLetter(char32_t c);
bool isAlphanumeric(char32_t c);  // Latin, Greek and Cyrillic letters and digits

} // namespace pwt
