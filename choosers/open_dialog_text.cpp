#include "choosers/open_dialog_text.h"

namespace {

// Walks the text by characters: the trail byte of a GBK character may be 0x5C, the byte of a backslash.
bool EndsWithBackslash(std::string_view text) {
    bool backslash = false;
    for (size_t at = 0; at < text.size(); ++at) {
        backslash = text[at] == '\\';
        if (static_cast<unsigned char>(text[at]) >= 0x81)
            ++at;
    }
    return backslash;
}

} // namespace

std::string DialogFilter(const std::string &filter) {
    std::string converted = filter;
    for (char &c : converted)
        if (c == '|')
            c = '\0';
    converted.append(2, '\0');
    return converted;
}

std::string ChosenPaths(std::string_view fileBuffer) {
    size_t end = fileBuffer.find(std::string_view("\0\0", 2));
    // A buffer filled to its last byte ends in a single NUL.
    if (end == std::string_view::npos && !fileBuffer.empty() && fileBuffer.back() == '\0')
        end = fileBuffer.size() - 1;
    std::string_view chosen = fileBuffer.substr(0, end);
    size_t split = chosen.find('\0');
    if (split == std::string_view::npos)
        return std::string(chosen);

    std::string directory(chosen.substr(0, split));
    // A drive root comes back as "C:\" already; any other folder has no backslash of its own.
    if (!EndsWithBackslash(directory))
        directory += '\\';
    std::string paths;
    while (split != std::string_view::npos) {
        size_t begin = split + 1;
        split = chosen.find('\0', begin);
        if (!paths.empty())
            paths += "\r\n";
        paths += directory;
        paths += chosen.substr(begin, split == std::string_view::npos ? split : split - begin);
    }
    return paths;
}

std::vector<std::string> SplitLines(const std::string &text) {
    std::vector<std::string> lines;
    if (text.empty())
        return lines;
    size_t begin = 0;
    for (size_t end; (end = text.find("\r\n", begin)) != std::string::npos; begin = end + 2)
        lines.push_back(text.substr(begin, end - begin));
    lines.push_back(text.substr(begin));
    return lines;
}
