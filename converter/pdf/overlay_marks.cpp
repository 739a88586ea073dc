#include "pdf/overlay_marks.h"

#include <cmath>
#include <map>

namespace pwt {
namespace {

const std::string kNegation = "\u0338";
const std::string kMapsTo = "\u21A6";

std::string negated(const std::string &base) {
    static const std::map<std::string, std::string> precomposed = {
        {"=", "\u2260"},      {"<", "\u226E"},      {">", "\u226F"},      {"\u2208", "\u2209"},
        {"\u220B", "\u220C"}, {"\u2203", "\u2204"}, {"\u2261", "\u2262"}, {"\u2264", "\u2270"},
        {"\u2265", "\u2271"}, {"\u223C", "\u2241"}, {"\u2243", "\u2244"}, {"\u2245", "\u2247"},
        {"\u2248", "\u2249"}, {"\u2282", "\u2284"}, {"\u2283", "\u2285"}, {"\u2286", "\u2288"},
        {"\u2287", "\u2289"}, {"\u227A", "\u2280"}, {"\u227B", "\u2281"}, {"\u2223", "\u2224"},
        {"\u2225", "\u2226"}, {"\u2192", "\u219B"}, {"\u2190", "\u219A"}, {"\u2194", "\u21AE"},
        {"\u21D2", "\u21CF"}, {"\u21D0", "\u21CD"}, {"\u21D4", "\u21CE"},
    };
    auto it = precomposed.find(base);
    return it != precomposed.end() ? it->second : base + kNegation;
}

// The combining mark of a spacing accent, or empty.
std::string combiningAccent(const std::string &accent) {
    static const std::map<std::string, std::string> marks = {
        {"\u0060", "\u0300"}, {"\u00B4", "\u0301"}, {"\u02C6", "\u0302"}, {"\u02DC", "\u0303"},
        {"\u00AF", "\u0304"}, {"\u02D8", "\u0306"}, {"\u02D9", "\u0307"}, {"\u00A8", "\u0308"},
        {"\u02DA", "\u030A"}, {"\u02DD", "\u030B"}, {"\u02C7", "\u030C"}, {"\u00B8", "\u0327"},
        {"\u02DB", "\u0328"},
    };
    auto it = marks.find(accent);
    return it != marks.end() ? it->second : std::string();
}

// The glyph's origin along its writing direction and down across it.
void frame(const Glyph &g, double &along, double &across) {
    switch (g.dir) {
    case 1:
        along = g.y;
        across = -g.x;
        break;
    case 2:
        along = -g.x;
        across = -g.y;
        break;
    case 3:
        along = -g.y;
        across = g.x;
        break;
    default:
        along = g.x;
        across = g.y;
        break;
    }
}

// An accent sits over a letter when its middle lies within the letter's advance and it is not below it.
bool accentOver(const Glyph &accent, const Glyph &letter) {
    if (accent.dir != letter.dir || letter.advance <= 0)
        return false;
    double accentAlong, accentAcross, letterAlong, letterAcross;
    frame(accent, accentAlong, accentAcross);
    frame(letter, letterAlong, letterAcross);
    double middle = accentAlong + accent.advance / 2;
    return middle > letterAlong && middle < letterAlong + letter.advance &&
           accentAcross <= letterAcross + 0.1 * letter.size && letterAcross - accentAcross < letter.size;
}

} // namespace

std::string combinedText(const Glyph &earlier, const Glyph &later) {
    if ((earlier.text == kNegation || earlier.text == kMapsTo) && earlier.advance < 0.1 * earlier.size &&
        earlier.dir == later.dir && std::hypot(later.x - earlier.x, later.y - earlier.y) < 0.8 * later.size) {
        if (earlier.text == kNegation)
            return negated(later.text);
        if (later.text == "\u2192")
            return kMapsTo;
    }
    // \cong: a tilde stacked over an equals sign.
    if (earlier.text == "\u223C" && later.text == "=" && accentOver(earlier, later))
        return "\u2245";
    if (std::string mark = combiningAccent(earlier.text); !mark.empty() && accentOver(earlier, later))
        return later.text + mark;
    if (std::string mark = combiningAccent(later.text); !mark.empty() && accentOver(later, earlier))
        return earlier.text + mark;
    return std::string();
}

} // namespace pwt
