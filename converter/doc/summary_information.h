// The \005SummaryInformation property set: the title and author that Word shows in the file's
// properties, taken from the PDF's Info dictionary.
#pragma once

#include "model/document.h"

#include <string>

namespace pwt::doc {

// Empty when the document has neither a title nor an author.
std::string summaryInformation(const DocumentInfo &info);

} // namespace pwt::doc
