#include "layout/reading_order.h"

#include "layout/lines.h"

#include <algorithm>

namespace pwt {
namespace {

constexpr double kGutter = 0.7;          // of the region's median font size: the narrowest column gap
constexpr double kSingleLineGutter = 3;  // within one line only a wide gap separates columns
constexpr double kMinColumnWidth = 3;   // of the font size: narrower strips (line numbers) stay in their rows
constexpr double kRowGroupGap = 2.5;     // of the font size: farther rows are not read as one set of columns
constexpr int kMaxDepth = 48;

struct Gap {
    double from, to;
};

struct Cutter {
    const PageGlyphs &page;
    int dir;
    std::vector<TextLine> &out;

    // Gaps of at least minGap between the chars' extents along the text, within [left, right].
    static std::vector<Gap> gapsAlong(std::vector<FrameChar> &chars, double minGap, double left, double right) {
        std::sort(chars.begin(), chars.end(), [](const FrameChar &a, const FrameChar &b) { return a.x0 < b.x0; });
        std::vector<Gap> gaps;
        double reach = left;
        for (const FrameChar &c : chars) {
            if (c.space)
                continue;
            if (c.x0 - reach >= minGap)
                gaps.push_back({reach, c.x0});
            reach = std::max(reach, c.x1);
        }
        if (right - reach >= minGap)
            gaps.push_back({reach, right});
        return gaps;
    }

    struct Extent {
        double left, right, top, bottom;
    };

    // The box around chars, which are never empty.
    static Extent extentOf(const std::vector<FrameChar> &chars) {
        Extent e{chars.front().x0, chars.front().x1, chars.front().top(), chars.front().bottom()};
        for (const FrameChar &c : chars) {
            e.left = std::min(e.left, c.x0);
            e.right = std::max(e.right, c.x1);
            e.top = std::min(e.top, c.top());
            e.bottom = std::max(e.bottom, c.bottom());
        }
        return e;
    }

    // Whether an empty band of at least minGap runs across the whole region.
    static bool hasWideBand(std::vector<FrameChar> chars, double minGap) {
        std::sort(chars.begin(), chars.end(),
                  [](const FrameChar &a, const FrameChar &b) { return a.top() < b.top(); });
        double reach = chars.front().bottom();
        for (const FrameChar &c : chars) {
            if (c.top() - reach >= minGap)
                return true;
            reach = std::max(reach, c.bottom());
        }
        return false;
    }

    static std::vector<Gap> intersect(const std::vector<Gap> &a, const std::vector<Gap> &b, double minGap) {
        std::vector<Gap> out;
        for (const Gap &x : a)
            for (const Gap &y : b) {
                double from = std::max(x.from, y.from), to = std::min(x.to, y.to);
                if (to - from >= minGap)
                    out.push_back({from, to});
            }
        return out;
    }

    void cut(std::vector<FrameChar> chars, int depth, bool merged = false) {
        if (chars.empty())
            return;
        if (depth >= kMaxDepth) {
            buildLines(std::move(chars), page, dir, out);
            return;
        }
        double size = medianSize(chars);
        Extent region = extentOf(chars);
        double left = region.left, right = region.right, top = region.top, bottom = region.bottom;
        double minGap = (bottom - top < 1.5 * size ? kSingleLineGutter : kGutter) * size;

        // Columns: interior gaps through the whole region.
        std::vector<Gap> gutters = gapsAlong(chars, minGap, left, right);
        gutters.erase(std::remove_if(gutters.begin(), gutters.end(),
                                     [&](const Gap &g) { return g.from <= left || g.to >= right; }),
                      gutters.end());
        // Columns too narrow to be text columns join their neighbours.
        double minWidth = kMinColumnWidth * size;
        for (size_t k = 0; k < gutters.size();) {
            double before = gutters[k].from - (k == 0 ? left : gutters[k - 1].to);
            double after = (k + 1 == gutters.size() ? right : gutters[k + 1].from) - gutters[k].to;
            if (before < minWidth || after < minWidth)
                gutters.erase(gutters.begin() + static_cast<long>(k));
            else
                ++k;
        }
        if (!gutters.empty()) {
            std::vector<std::vector<FrameChar>> columns(1);
            size_t k = 0;
            for (const FrameChar &c : chars) {  // sorted along the text by gapsAlong
                while (k < gutters.size() && c.x0 >= gutters[k].to) {
                    columns.emplace_back();
                    ++k;
                }
                columns.back().push_back(c);
            }
            // A narrow, short column beside a region split by a wide empty band (the last column of a table,
            // with text above and below the table) is only part of one band: the bands come first. Real
            // columns are wider, even where the last one ends early.
            auto narrowAndShort = [&](const std::vector<FrameChar> &column) {
                Extent e = extentOf(column);
                return e.bottom - e.top < 0.5 * (bottom - top) && e.right - e.left < 0.25 * (right - left);
            };
            bool shortColumn = std::any_of(columns.begin(), columns.end(), narrowAndShort);
            if (!shortColumn || !hasWideBand(chars, kRowGroupGap * size)) {
                for (std::vector<FrameChar> &column : columns)
                    cut(std::move(column), depth + 1);
                return;
            }
        }

        // Rows: horizontal gaps between the chars' vertical extents.
        std::sort(chars.begin(), chars.end(), [](const FrameChar &a, const FrameChar &b) { return a.top() < b.top(); });
        std::vector<std::vector<FrameChar>> rows;
        double reach = chars.front().bottom();
        rows.emplace_back();
        for (const FrameChar &c : chars) {
            if (c.top() > reach && !rows.back().empty())
                rows.emplace_back();
            rows.back().push_back(c);
            reach = std::max(reach, c.bottom());
        }
        if (rows.size() == 1 || merged) {
            // A merged group whose columns proved too narrow is read row by row.
            for (std::vector<FrameChar> &row : rows)
                buildLines(std::move(row), page, dir, out);
            return;
        }

        // Consecutive rows with a common gutter, with text on both sides of it, are read as columns.
        // A gap is interior to rows when one of their chars ends before it and one starts after it.
        struct RowShape {
            std::vector<Gap> gaps;
            double minX1, maxX0;
            Extent extent;
        };
        std::vector<RowShape> shapes;
        shapes.reserve(rows.size());
        for (std::vector<FrameChar> &row : rows) {
            RowShape shape{gapsAlong(row, minGap, left, right), right, left, extentOf(row)};
            for (const FrameChar &c : row) {
                shape.minX1 = std::min(shape.minX1, c.x1);
                shape.maxX0 = std::max(shape.maxX0, c.x0);
            }
            shapes.push_back(std::move(shape));
        }
        auto interior = [](const std::vector<Gap> &gaps, double lo, double hi) {
            return std::any_of(gaps.begin(), gaps.end(), [&](const Gap &g) { return lo <= g.from && hi >= g.to; });
        };
        size_t i = 0;
        while (i < rows.size()) {
            std::vector<Gap> common = shapes[i].gaps;
            double lo = shapes[i].minX1, hi = shapes[i].maxX0;
            size_t j = i + 1;
            for (; j < rows.size(); ++j) {
                // Text far below (footnotes under a table) is not part of the columns above it.
                if (shapes[j].extent.top - shapes[j - 1].extent.bottom > kRowGroupGap * size)
                    break;
                std::vector<Gap> next = intersect(common, shapes[j].gaps, minGap);
                double nextLo = std::min(lo, shapes[j].minX1), nextHi = std::max(hi, shapes[j].maxX0);
                if (!interior(next, nextLo, nextHi))
                    break;
                common = std::move(next);
                lo = nextLo;
                hi = nextHi;
            }
            // Real columns have text on both sides of the gutter in many rows; a lone wide line beside a
            // column does not make one.
            auto bothSides = [&](const Gap &g) {
                size_t before = 0, after = 0;
                for (size_t k = i; k < j; ++k) {
                    before += shapes[k].minX1 <= g.from;
                    after += shapes[k].maxX0 >= g.to;
                }
                size_t needed = std::max<size_t>(2, (j - i) / 4);
                return before >= needed && after >= needed;
            };
            if (j > i + 1 && !std::any_of(common.begin(), common.end(), bothSides))
                j = i + 1;
            if (j > i + 1) {
                std::vector<FrameChar> group;
                for (size_t k = i; k < j; ++k)
                    group.insert(group.end(), rows[k].begin(), rows[k].end());
                cut(std::move(group), depth + 1, true);
            } else {
                cut(std::move(rows[i]), depth + 1);
            }
            i = j;
        }
    }
};

} // namespace

std::vector<TextLine> orderLines(std::vector<FrameChar> chars, const PageGlyphs &page, int dir) {
    std::vector<TextLine> lines;
    Cutter cutter{page, dir, lines};
    cutter.cut(std::move(chars), 0);
    return lines;
}

} // namespace pwt
