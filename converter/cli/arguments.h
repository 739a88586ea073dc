// The program's command line: --dest=OUT --src=IN as the front end passes them, and the options a
// person at a console uses.
#pragma once

#include <string>
#include <vector>

namespace pwt::cli {

struct Arguments {
    std::string dest;  // UTF-8
    std::string src;
    bool verbose = false;
    bool help = false;
    bool version = false;
};

// Throws ConversionError (ExitOther) naming what is wrong with the arguments.
Arguments parseArguments(const std::vector<std::string> &args);

} // namespace pwt::cli
