// A small, strict reader of compound files for the tests: it checks the structure that antiword, catdoc
// and wvWare rely on while it reads the streams back.
#pragma once

#include <map>
#include <string>

namespace pwt::test {

struct CompoundFileContents {
    std::map<std::string, std::string> streams;  // by name, the root's direct children
    unsigned fatSectors = 0;
    unsigned difatSectors = 0;
    unsigned miniFatSectors = 0;
};

// Throws std::runtime_error naming the first fault found.
CompoundFileContents readCompoundFile(const std::string &file);

} // namespace pwt::test
