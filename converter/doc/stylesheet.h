// The stylesheet (STSH): Normal, the heading styles that headings in the model use, and the default
// paragraph font that every Word document carries.
#pragma once

#include <string>

namespace pwt::doc {

constexpr int kMaxHeadingStyle = 6;  // istd 1 to 6 are "heading 1" to "heading 6"

std::string stylesheetBytes();

} // namespace pwt::doc
