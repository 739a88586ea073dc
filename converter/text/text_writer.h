// The plain-text back end: paragraphs separated by blank lines, pages by form feeds, UTF-8.
#pragma once

#include "model/document.h"

#include <ostream>

namespace pwt {

void writeText(const Document &doc, std::ostream &out);

} // namespace pwt
