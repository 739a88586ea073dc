// The Word 97-2003 back end: a binary .doc in a compound file.
#pragma once

#include "model/document.h"

#include <ostream>

namespace pwt {

void writeWordDocument(const Document &doc, std::ostream &out);

} // namespace pwt
