#include "conversion/base_name.h"

#include <windows.h>
#include <shlwapi.h>

namespace {

bool EndsWithBackslash(const std::string &text) {
    if (text.empty())
        return false;
    // The last character, not the last byte: a double-byte character may end in 0x5C.
    const char *last = CharPrevA(text.c_str(), text.c_str() + text.size());
    return *last == '\\';
}

} // namespace

std::string BaseName(const std::string &path, bool keepExtension) {
    std::string name = PathFindFileNameA(path.c_str());
    if (EndsWithBackslash(name))
        return std::string();
    if (keepExtension)
        return name;
    return name.substr(0, name.size() - FileExtension(name).size());
}

std::string FileExtension(const std::string &path) {
    return PathFindExtensionA(path.c_str());
}
