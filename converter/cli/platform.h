// What differs between Windows and the native build: Unicode arguments, file names, replacing a file,
// the program's own folder and the console's character set.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace pwt::cli {

// The arguments after the program name, in UTF-8. On Windows they come from GetCommandLineW, so any
// path the front end's ANSI command line can carry arrives intact.
std::vector<std::string> utf8Arguments(int argc, char **argv);

std::filesystem::path pathFromUtf8(const std::string &utf8);
std::string utf8FromPath(const std::filesystem::path &path);

// Moves from over to, replacing an existing file in one step. Returns an empty string or the reason.
std::string replaceFile(const std::filesystem::path &from, const std::filesystem::path &to);

// The folder that holds the running executable.
std::filesystem::path executableFolder();

// Writes a line of UTF-8 text to a console stream in the console's own character set.
void writeLine(std::ostream &out, const std::string &utf8);

} // namespace pwt::cli
