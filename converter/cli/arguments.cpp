#include "cli/arguments.h"

#include "model/error.h"

namespace pwt::cli {

namespace {

bool takeValue(const std::string &arg, const std::string &option, std::string &value) {
    const std::string prefix = option + "=";
    if (arg.compare(0, prefix.size(), prefix) != 0)
        return false;
    value = arg.substr(prefix.size());
    return true;
}

[[noreturn]] void usageError(const std::string &what) {
    throw ConversionError(ExitOther, what + " (see pwt --help)");
}

} // namespace

Arguments parseArguments(const std::vector<std::string> &args) {
    Arguments a;
    for (const std::string &arg : args) {
        if (arg == "--help" || arg == "-h")
            a.help = true;
        else if (arg == "--version")
            a.version = true;
        else if (arg == "--verbose")
            a.verbose = true;
        else if (!takeValue(arg, "--dest", a.dest) && !takeValue(arg, "--src", a.src))
            usageError("unknown argument '" + arg + "'");
    }
    if (a.help || a.version)
        return a;
    if (a.dest.empty())
        usageError("missing --dest=OUTPUT");
    if (a.src.empty())
        usageError("missing --src=INPUT.pdf");
    return a;
}

} // namespace pwt::cli
