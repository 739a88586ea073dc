// Helpers shared by the reader's tests.
#pragma once

#include <string>

namespace pwt::test {

// Whitespace runs (form feeds included) collapsed to one space, ends trimmed: text compared by words.
std::string flat(const std::string &text);

// A one-page PDF's text, flattened.
std::string pageText(const std::string &content, const std::string &resources);

} // namespace pwt::test
