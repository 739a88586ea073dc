#include "layout/paragraphs.h"

#include "layout/utf8.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <iterator>

namespace pwt {
namespace {

constexpr double kBlockLineSpacing = 1.6;  // of the font size: farther lines start a new block
constexpr double kParagraphGap = 1.3;      // of the block's usual line pitch
constexpr double kIndent = 0.8;            // of the font size
constexpr double kAligned = 2.0;           // points
constexpr double kShortLine = 4;           // of the font size, short of the block's right edge

bool sameBlock(const TextLine &a, const TextLine &b) {
    double size = std::max(a.size, b.size);
    double pitch = b.base - a.base;
    return a.dir == b.dir && pitch > 0.3 * size && pitch <= kBlockLineSpacing * size &&
           std::min(a.size, b.size) > 0.75 * size && b.x0 < a.x1 && a.x0 < b.x1;
}

bool isCjk(char32_t c) { return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF); }

char32_t firstCodePoint(const std::string &s) {
    size_t pos = 0;
    return s.empty() ? 0 : nextCodePoint(s, pos);
}

char32_t lastCodePoint(const std::string &s) {
    size_t pos = s.size();
    while (pos > 0 && (static_cast<unsigned char>(s[pos - 1]) & 0xC0) == 0x80)
        --pos;
    if (pos > 0)
        --pos;
    return s.empty() ? 0 : nextCodePoint(s, pos);
}

struct LineJoin {
    bool dropHyphen = false;  // the hyphen only broke the word
    bool space = true;
};

// How a line's text continues the text before it.
LineJoin joinLines(const std::string &lastText, char32_t next) {
    char32_t last = lastCodePoint(lastText);
    // Only a hyphen that ends a word: "exam-" joins "ple", a dash between spaces stays.
    char before = lastText.size() >= 2 ? lastText[lastText.size() - 2] : ' ';
    bool hyphen = last == '-' && (std::isalpha(static_cast<unsigned char>(before)) || (before & 0x80));
    LineJoin join;
    // Before a lower-case letter the hyphen only broke the word; before a capital or a digit it belongs
    // to a compound ("Schwarz-Weiß") and stays.
    join.dropHyphen = hyphen && isLowerCaseLetter(next);
    join.space = !(isCjk(last) && isCjk(next)) && !(hyphen && isAlphanumeric(next));
    return join;
}

class ParagraphBuilder {
public:
    ParagraphBuilder(const PageGlyphs &page, double bodySize, double blockLeft, double blockRight)
        : page_(page), bodySize_(bodySize), blockLeft_(blockLeft), blockRight_(blockRight) {}

    void addLine(const TextLine &line, bool first) {
        std::string lastText = paragraph_.runs.empty() ? "" : paragraph_.runs.back().text;
        bool joinHyphen = false, noSpace = false;
        // A line that stops well short of the block's edge (code, verse, addresses) ends with a line break.
        bool lineBreak = !first && !lines_.empty() &&
                         lines_.back()->x1 < blockRight_ - std::max(kShortLine * line.size, 0.15 * (blockRight_ - blockLeft_));
        if (lineBreak) {
            paragraph_.runs.push_back(Run{Run::Kind::LineBreak, std::string(), RunStyle()});
        } else if (!first && !line.chars.empty()) {
            LineJoin join = joinLines(lastText, firstCodePoint(page_.glyphs[line.chars.front().glyph].text));
            joinHyphen = join.dropHyphen;
            noSpace = !join.space;
            if (joinHyphen)
                paragraph_.runs.back().text.pop_back();
        }
        for (size_t i = 0; i < line.chars.size(); ++i) {
            const FrameChar &c = line.chars[i];
            const Glyph &g = page_.glyphs[c.glyph];
            RunStyle style = page_.styles[static_cast<size_t>(g.style)];
            style.size = std::round(g.size * 2) / 2;
            bool space = i == 0 ? !first && !joinHyphen && !noSpace && !lineBreak : line.wordStart[i];
            if (paragraph_.runs.empty() || paragraph_.runs.back().kind != Run::Kind::Text ||
                paragraph_.runs.back().style != style) {
                if (space && !paragraph_.runs.empty() && paragraph_.runs.back().kind == Run::Kind::Text)
                    paragraph_.runs.back().text += ' ';
                paragraph_.runs.push_back(Run{Run::Kind::Text, std::string(), style});
            } else if (space) {
                paragraph_.runs.back().text += ' ';
            }
            paragraph_.runs.back().text += g.text;
        }
        lines_.push_back(&line);
    }

    bool empty() const { return lines_.empty(); }

    // previousLast: the last line of the paragraph before, for the space between the two.
    Paragraph finish(double blockLeft, double blockRight, const TextLine *&previousLast) {
        Paragraph p = std::move(paragraph_);
        paragraph_ = Paragraph();
        const TextLine &firstLine = *lines_.front();
        if (previousLast && previousLast->dir == firstLine.dir && firstLine.base > previousLast->base)
            p.spaceBefore = std::max(0.0, (firstLine.base - firstLine.size) - (previousLast->base + 0.25 * previousLast->size));
        previousLast = lines_.back();
        double left = firstLine.x0, right = firstLine.x1;
        for (const TextLine *l : lines_) {
            if (l != lines_.front() || lines_.size() == 1)
                left = std::min(left, l->x0);
            right = std::max(right, l->x1);
        }
        if (lines_.size() > 1)
            left = std::min(left, lines_[1]->x0);
        p.leftIndent = left - blockLeft;
        p.rightIndent = blockRight - right;
        p.firstLineIndent = firstLine.x0 - left;
        if (lines_.size() > 1)
            p.lineSpacing = (lines_.back()->base - firstLine.base) / static_cast<double>(lines_.size() - 1);
        p.alignment = alignment(left, right);
        double size = firstLine.size;
        if (lines_.size() <= 3 && size >= 1.2 * bodySize_)
            p.headingLevel = size >= 1.8 * bodySize_ ? 1 : size >= 1.4 * bodySize_ ? 2 : 3;
        lines_.clear();
        return p;
    }

private:
    Alignment alignment(double left, double right) const {
        if (lines_.size() < 2)
            return Alignment::Left;
        bool leftAll = true, rightAll = true, centred = true;
        double middle = (left + right) / 2;
        for (size_t i = 0; i < lines_.size(); ++i) {
            const TextLine &l = *lines_[i];
            leftAll = leftAll && (i == 0 || std::fabs(l.x0 - left) < kAligned);
            rightAll = rightAll && (i + 1 == lines_.size() || std::fabs(l.x1 - right) < kAligned);
            centred = centred && std::fabs((l.x0 + l.x1) / 2 - middle) < kAligned;
        }
        if (leftAll && rightAll)
            return Alignment::Justify;
        if (centred && !leftAll)
            return Alignment::Center;
        if (rightAll && !leftAll)
            return Alignment::Right;
        return Alignment::Left;
    }

    const PageGlyphs &page_;
    double bodySize_, blockLeft_, blockRight_;
    Paragraph paragraph_;
    std::vector<const TextLine *> lines_;
};

bool allBold(const TextLine &line, const PageGlyphs &page) {
    return std::all_of(line.chars.begin(), line.chars.end(), [&](const FrameChar &c) {
        return page.styles[static_cast<size_t>(page.glyphs[c.glyph].style)].bold;
    });
}

bool startsParagraph(const TextLine &prev, const TextLine &line, double pitch, double blockLeft,
                     const PageGlyphs &page) {
    if (pitch > 0 && line.base - prev.base > kParagraphGap * pitch)
        return true;
    bool indented = line.x0 - blockLeft > kIndent * line.size && prev.x0 - blockLeft < 0.3 * line.size;
    return indented || std::fabs(line.size - prev.size) > 0.15 * prev.size || allBold(prev, page) != allBold(line, page);
}

bool endsSentence(char32_t c) {
    return c == '.' || c == '!' || c == '?' || c == ':' || c == 0x3002 || c == 0xFF01 || c == 0xFF1F ||
           c == 0xFF1A;
}

// A paragraph that runs from the foot of one column on to the head of the next: the column's last line
// is full, the next column starts higher up, unindented, in the same style, and mid-sentence.
bool runsOn(const TextLine &last, const Block &lastBlock, const TextLine &next, const Block &nextBlock,
            const PageGlyphs &page) {
    if (last.dir != next.dir || next.base >= last.base || last.chars.empty() || next.chars.empty() ||
        last.x1 < lastBlock.right - last.size || next.x0 - nextBlock.left > 0.3 * next.size ||
        std::fabs(last.size - next.size) > 0.15 * last.size || allBold(last, page) != allBold(next, page))
        return false;
    char32_t end = lastCodePoint(page.glyphs[last.chars.back().glyph].text);
    char32_t start = firstCodePoint(page.glyphs[next.chars.front().glyph].text);
    return isLowerCaseLetter(start) || (isCjk(start) && isCjk(end) && !endsSentence(end));
}

void appendParagraph(Paragraph &into, Paragraph &&from) {
    std::vector<Run> &runs = into.runs;
    if (runs.empty() || runs.back().kind != Run::Kind::Text || from.runs.empty() ||
        from.runs.front().kind != Run::Kind::Text) {
        runs.insert(runs.end(), std::make_move_iterator(from.runs.begin()),
                    std::make_move_iterator(from.runs.end()));
        return;
    }
    LineJoin join = joinLines(runs.back().text, firstCodePoint(from.runs.front().text));
    if (join.dropHyphen)
        runs.back().text.pop_back();
    if (join.space)
        runs.back().text += ' ';
    for (Run &run : from.runs) {
        bool sameStyle = runs.back().style == run.style;
        if (runs.back().kind == Run::Kind::Text && run.kind == Run::Kind::Text && sameStyle)
            runs.back().text += run.text;
        else
            runs.push_back(std::move(run));
    }
}

} // namespace

std::vector<Block> buildBlocks(const std::vector<TextLine> &lines, const PageGlyphs &page, double bodySize) {
    std::vector<Block> blocks;
    const TextLine *previousLast = nullptr;
    size_t i = 0;
    while (i < lines.size()) {
        size_t j = i + 1;
        while (j < lines.size() && sameBlock(lines[j - 1], lines[j]))
            ++j;
        double left = lines[i].x0, right = lines[i].x1, pitch = 0;
        for (size_t k = i; k < j; ++k) {
            left = std::min(left, lines[k].x0);
            right = std::max(right, lines[k].x1);
        }
        if (j - i > 1) {
            std::vector<double> pitches;
            for (size_t k = i + 1; k < j; ++k)
                pitches.push_back(lines[k].base - lines[k - 1].base);
            std::nth_element(pitches.begin(), pitches.begin() + static_cast<long>(pitches.size() / 2), pitches.end());
            pitch = pitches[pitches.size() / 2];
        }
        Block block;
        block.left = left;
        block.right = right;
        block.top = lines[i].base - lines[i].size;
        block.bottom = lines[j - 1].base + 0.25 * lines[j - 1].size;
        ParagraphBuilder builder(page, bodySize, left, right);
        for (size_t k = i; k < j; ++k) {
            if (k > i && startsParagraph(lines[k - 1], lines[k], pitch, left, page)) {
                block.paragraphs.push_back(builder.finish(left, right, previousLast));
                builder.addLine(lines[k], true);
            } else {
                builder.addLine(lines[k], k == i);
            }
        }
        if (!builder.empty())
            block.paragraphs.push_back(builder.finish(left, right, previousLast));
        if (!blocks.empty() && !blocks.back().paragraphs.empty() &&
            runsOn(lines[i - 1], blocks.back(), lines[i], block, page)) {
            appendParagraph(blocks.back().paragraphs.back(), std::move(block.paragraphs.front()));
            block.paragraphs.erase(block.paragraphs.begin());
        }
        if (!block.paragraphs.empty())
            blocks.push_back(std::move(block));
        i = j;
    }
    return blocks;
}

} // namespace pwt
