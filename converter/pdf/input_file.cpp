#include "pdf/input_file.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace pwt {

FilePtr openForReading(const std::string &utf8Path) {
#ifdef _WIN32
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8Path.c_str(), -1, nullptr, 0);
    if (n <= 0)
        return FilePtr();
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8Path.c_str(), -1, &wide[0], n);
    return FilePtr(_wfopen(wide.c_str(), L"rb"));
#else
    return FilePtr(std::fopen(utf8Path.c_str(), "rb"));
#endif
}

bool readWholeFile(const std::string &utf8Path, std::string &contents) {
    FilePtr f = openForReading(utf8Path);
    if (!f)
        return false;
    contents.clear();
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f.get())) > 0)
        contents.append(buf, n);
    return !std::ferror(f.get());
}

} // namespace pwt
