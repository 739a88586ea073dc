// The whole of pwt behind main(): arguments in, one document out, exit code back. Nothing is printed on
// success; a failure prints one line on err.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace pwt::cli {

int runProgram(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

} // namespace pwt::cli
