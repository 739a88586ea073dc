// Trimming of the program's texts: leading and trailing single-byte spaces and full-width spaces (the GBK
// byte pair A1 A1) go; tabs and line breaks stay.
#pragma once

#include <string>

std::string TrimSpaces(const std::string &text);
