// The document properties (Dop97): default tab stops and the compatibility settings Word expects.
#pragma once

#include <string>

namespace pwt::doc {

std::string dopBytes();

} // namespace pwt::doc
