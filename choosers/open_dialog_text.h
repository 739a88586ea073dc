// The texts that pass through the open-file dialog: the filter in the dialog's form, the file buffer it
// fills, and the line-per-path result that the chooser hands on.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// "desc|pattern|desc|pattern" with every bar turned into a NUL and two NULs appended.
std::string DialogFilter(const std::string &filter);

// The paths in the dialog's file buffer, one per line, CR LF between them. The buffer holds either one full
// path or a directory followed by names, all NUL-separated and ended by a pair of NULs; only the bytes before
// that pair count, or the whole buffer when the pair is missing.
std::string ChosenPaths(std::string_view fileBuffer);

// The lines of a text split at CR LF; the empty text has none.
std::vector<std::string> SplitLines(const std::string &text);
