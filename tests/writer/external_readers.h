// The independent readers that every written .doc must satisfy: antiword, catdoc, wvText and
// LibreOffice headless.
#pragma once

#include <string>
#include <vector>

namespace pwt::test {

bool installed(const std::string &program);

// Runs a shell command and returns its standard output; throws when it exits non-zero.
std::string run(const std::string &command);

std::string readFile(const std::string &path);

std::string quoted(const std::string &path);

// Converts every file to `format` (a LibreOffice filter such as "txt:Text" or "fodt") in one soffice
// run, which is slow to start; the results land in outDir under the input's base name.
void convertWithLibreOffice(const std::vector<std::string> &files, const std::string &format,
                            const std::string &outDir);

// Text compared without any whitespace: each reader lays out lines, page breaks and paragraph
// ends in its own way, but none may lose, add or reorder a character.
std::string withoutSpace(const std::string &utf8);

} // namespace pwt::test
