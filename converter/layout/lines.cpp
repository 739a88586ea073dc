#include "layout/lines.h"

#include "layout/utf8.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace pwt {
namespace {

constexpr double kBaselineTolerance = 0.5;  // of the font size: sub- and superscripts stay on their line
constexpr double kWordGap = 0.1;            // pdftotext's minimum word break
constexpr double kSizeChangeGap = 0.03;
constexpr double kDuplicateDistance = 0.15; // glyphs drawn twice for fake bold or shadows

bool isRtlText(const std::string &text) {
    size_t pos = 0;
    while (pos < text.size())
        if (isRightToLeft(nextCodePoint(text, pos)))
            return true;
    return false;
}

// Right-to-left words are drawn in visual order; reading order puts them back to front.
void reorderRightToLeft(TextLine &line, const PageGlyphs &page) {
    size_t rtl = 0;
    for (const FrameChar &c : line.chars)
        rtl += isRtlText(page.glyphs[c.glyph].text);
    if (rtl * 2 <= line.chars.size())
        return;
    std::vector<FrameChar> chars(line.chars.rbegin(), line.chars.rend());
    std::vector<bool> starts(line.chars.size(), false);
    // A space that was before char i in visual order is now after it, i.e. before char i-1 reversed.
    for (size_t i = 0; i < line.chars.size(); ++i)
        if (line.wordStart[i] && i > 0)
            starts[line.chars.size() - i] = true;
    // Left-to-right runs inside (numbers, Latin words) keep their own order.
    for (size_t i = 0; i < chars.size();) {
        if (isRtlText(page.glyphs[chars[i].glyph].text)) {
            ++i;
            continue;
        }
        size_t j = i;
        while (j < chars.size() && !isRtlText(page.glyphs[chars[j].glyph].text) && (j == i || !starts[j]))
            ++j;
        std::reverse(chars.begin() + static_cast<long>(i), chars.begin() + static_cast<long>(j));
        i = j;
    }
    line.chars = std::move(chars);
    line.wordStart = std::move(starts);
}

void finishLine(std::vector<FrameChar> &cluster, const PageGlyphs &page, int dir, std::vector<TextLine> &out) {
    std::stable_sort(cluster.begin(), cluster.end(),
                     [](const FrameChar &a, const FrameChar &b) { return a.x0 < b.x0; });
    TextLine line;
    line.dir = dir;
    bool pendingSpace = false;
    for (const FrameChar &c : cluster) {
        if (c.space) {
            pendingSpace = true;
            continue;
        }
        if (!line.chars.empty()) {
            bool duplicate = false;
            for (size_t k = line.chars.size(); k-- > 0 && k + 4 >= line.chars.size();) {
                const FrameChar &p = line.chars[k];
                if (std::fabs(p.x0 - c.x0) < kDuplicateDistance * c.size &&
                    std::fabs(p.base - c.base) < kDuplicateDistance * c.size &&
                    page.glyphs[p.glyph].text == page.glyphs[c.glyph].text) {
                    duplicate = true;
                    break;
                }
            }
            if (duplicate)
                continue;
        }
        bool start = false;
        if (!line.chars.empty()) {
            const FrameChar &prev = line.chars.back();
            double gap = c.x0 - prev.x1;
            // A change of size (a sub- or superscript ending) breaks a word at a smaller gap, as in pdftotext.
            bool sizeChange = std::fabs(prev.size - c.size) > 0.2 * std::max(prev.size, c.size);
            start = pendingSpace || gap > (sizeChange ? kSizeChangeGap : kWordGap) * std::min(prev.size, c.size);
        }
        line.chars.push_back(c);
        line.wordStart.push_back(start);
        pendingSpace = false;
    }
    if (line.chars.empty())
        return;
    line.x0 = line.chars.front().x0;
    line.x1 = line.chars.front().x1;
    std::vector<double> sizes;
    double baseSum = 0;
    for (const FrameChar &c : line.chars) {
        line.x0 = std::min(line.x0, c.x0);
        line.x1 = std::max(line.x1, c.x1);
        sizes.push_back(c.size);
    }
    std::nth_element(sizes.begin(), sizes.begin() + static_cast<long>(sizes.size() / 2), sizes.end());
    line.size = sizes[sizes.size() / 2];
    int counted = 0;
    for (const FrameChar &c : line.chars) {
        if (std::fabs(c.size - line.size) < 0.1 * line.size) {
            baseSum += c.base;
            ++counted;
        }
    }
    line.base = counted ? baseSum / counted : line.chars.front().base;
    reorderRightToLeft(line, page);
    out.push_back(std::move(line));
}

} // namespace

double medianSize(const std::vector<FrameChar> &chars) {
    if (chars.empty())
        return 10;
    std::vector<double> sizes;
    sizes.reserve(chars.size());
    for (const FrameChar &c : chars)
        sizes.push_back(c.size);
    std::nth_element(sizes.begin(), sizes.begin() + static_cast<long>(sizes.size() / 2), sizes.end());
    return sizes[sizes.size() / 2];
}

void buildLines(std::vector<FrameChar> chars, const PageGlyphs &page, int dir, std::vector<TextLine> &out) {
    std::stable_sort(chars.begin(), chars.end(),
                     [](const FrameChar &a, const FrameChar &b) { return a.base < b.base; });
    // Chars join the line whose main baseline they are near: the baseline most of the line's largest chars
    // sit on, so sub- and superscripts on either side of it stay with the text they belong to.
    std::vector<FrameChar> cluster;
    std::map<long, int> mainBases;  // baselines of the largest chars, in tenths of a point, and their counts
    double mainBase = 0, mainSize = 0;
    int mainCount = 0;
    for (const FrameChar &c : chars) {
        if (!cluster.empty() && c.base - mainBase > kBaselineTolerance * std::max(mainSize, c.size)) {
            finishLine(cluster, page, dir, out);
            cluster.clear();
        }
        if (cluster.empty() || (!c.space && c.size > 1.1 * mainSize)) {
            mainBases.clear();
            mainSize = c.size;
            mainCount = 0;
        }
        if (c.size >= mainSize / 1.1) {
            int &count = mainBases[std::lround(c.base * 10)];
            if (++count > mainCount) {
                mainCount = count;
                mainBase = c.base;
            }
        }
        cluster.push_back(c);
    }
    if (!cluster.empty())
        finishLine(cluster, page, dir, out);
}

} // namespace pwt
