// UTF-8 to UTF-16, the encoding of a .doc's text, and the script test that decides the Far East flags.
#pragma once

#include <cstdint>
#include <string>

namespace pwt::doc {

// Invalid sequences become U+FFFD, so damaged text from a PDF never breaks the document.
std::u16string toUtf16(const std::string &utf8);

// The Windows language id of the East Asian script found in the text, 0 when there is none.
uint16_t eastAsianLanguage(const std::u16string &text);

} // namespace pwt::doc
