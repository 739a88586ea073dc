// Opens a file named by a UTF-8 path for reading, also on Windows where fopen takes the ANSI code page.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace pwt {

struct FileCloser {
    void operator()(std::FILE *f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Returns an empty pointer when the file cannot be opened.
FilePtr openForReading(const std::string &utf8Path);

// The whole file, or false when it cannot be read.
bool readWholeFile(const std::string &utf8Path, std::string &contents);

} // namespace pwt
