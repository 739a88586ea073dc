#include "layout/page_layout.h"

#include "layout/lines.h"
#include "layout/paragraphs.h"
#include "layout/reading_order.h"

#include <algorithm>
#include <array>

namespace pwt {
namespace {

// Turns a glyph into the frame of its writing direction (see text_line.h).
FrameChar toFrame(const Glyph &g, int index, const PageGlyphs &page) {
    FrameChar c;
    c.glyph = index;
    c.size = g.size;
    c.space = g.text == " ";
    switch (g.dir) {
    case 1: c.x0 = g.y; c.base = page.width - g.x; break;
    case 2: c.x0 = page.width - g.x; c.base = page.height - g.y; break;
    case 3: c.x0 = page.height - g.y; c.base = g.x; break;
    default: c.x0 = g.x; c.base = g.y; break;
    }
    c.x1 = c.x0 + g.advance;
    return c;
}

} // namespace

std::vector<Block> layoutPage(const PageGlyphs &page) {
    std::array<std::vector<FrameChar>, 4> byDir;
    for (size_t i = 0; i < page.glyphs.size(); ++i) {
        const Glyph &g = page.glyphs[i];
        byDir[static_cast<size_t>(g.dir & 3)].push_back(toFrame(g, static_cast<int>(i), page));
    }
    std::array<int, 4> order = {0, 1, 2, 3};
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return byDir[a].size() > byDir[b].size(); });

    std::vector<Block> blocks;
    for (int dir : order) {
        if (byDir[dir].empty())
            continue;
        double bodySize = medianSize(byDir[dir]);
        std::vector<TextLine> lines = orderLines(std::move(byDir[dir]), page, dir);
        std::vector<Block> more = buildBlocks(lines, page, bodySize);
        blocks.insert(blocks.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    }
    return blocks;
}

} // namespace pwt
