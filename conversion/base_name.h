// File-name parts of a path as the shell's path helpers find them, which walk the text by characters of the
// ANSI code page, so a GBK trail byte that equals a backslash or a dot is not taken for one.
#pragma once

#include <string>

// The file-name part of path without its extension, or with it when keepExtension is true; the empty text
// when the path ends with a backslash.
std::string BaseName(const std::string &path, bool keepExtension = false);

// The extension with its leading dot, or the empty text when there is none.
std::string FileExtension(const std::string &path);
