#include "app/text_trim.h"

namespace {

// Length of the space that starts at `at`, or 0.
size_t SpaceAt(const std::string &text, size_t at) {
    if (text[at] == ' ')
        return 1;
    if (at + 1 < text.size() && static_cast<unsigned char>(text[at]) == 0xA1 &&
        static_cast<unsigned char>(text[at + 1]) == 0xA1)
        return 2;
    return 0;
}

} // namespace

std::string TrimSpaces(const std::string &text) {
    // Walk forward by characters: a double-byte character's trail byte may be A1 too, so spaces can only be
    // recognised at character starts.
    size_t begin = 0, end = 0, at = 0;
    bool leading = true;
    while (at < text.size()) {
        size_t space = SpaceAt(text, at);
        size_t width =
            space ? space : (static_cast<unsigned char>(text[at]) >= 0x81 && at + 1 < text.size() ? 2 : 1);
        if (space) {
            if (leading)
                begin = at + width;
        } else {
            leading = false;
            end = at + width;
        }
        at += width;
    }
    return leading ? std::string() : text.substr(begin, end - begin);
}
