// Writes a compound file (version 3, 512-byte sectors): the container of a Word 97-2003 document.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace pwt::cfb {

struct Stream {
    std::string name;  // ASCII, at most 31 characters; a direct child of the root storage
    std::string data;
};

// Lays out the streams with a FAT, a mini FAT with its mini stream for the small ones, extra DIFAT
// sectors when the FAT outgrows the header, and a directory whose siblings form a red-black tree.
void writeCompoundFile(const std::vector<Stream> &streams, std::ostream &out);

} // namespace pwt::cfb
