#include "doc/sprms.h"

#include "doc/little_endian.h"

#include <algorithm>
#include <cmath>

namespace pwt::doc {

namespace {

void put8Sprm(std::string &out, uint16_t id, uint8_t v) {
    put16(out, id);
    put8(out, v);
}

void put16Sprm(std::string &out, uint16_t id, uint16_t v) {
    put16(out, id);
    put16(out, v);
}

// Word's largest page side is 22 inches.
constexpr double kMaxPagePoints = 22 * 72;

} // namespace

int16_t twips(double points) {
    const double t = std::round(points * 20);
    if (!(t == t))  // NaN from a damaged PDF
        return 0;
    return int16_t(std::clamp(t, -31680.0, 31680.0));
}

std::string characterGrpprl(const RunStyle &style, uint16_t font) {
    std::string g;
    if (font != 0) {
        put16Sprm(g, sprm::CRgFtc0, font);
        put16Sprm(g, sprm::CRgFtc1, font);
        put16Sprm(g, sprm::CRgFtc2, font);
    }
    const double halfPoints = std::round(style.size * 2);
    const uint16_t hps = halfPoints == halfPoints ? uint16_t(std::clamp(halfPoints, 2.0, 3276.0)) : 20;
    if (hps != 20)  // 10 pt is the default size
        put16Sprm(g, sprm::CHps, hps);
    if (style.bold)
        put8Sprm(g, sprm::CFBold, 1);
    if (style.italic)
        put8Sprm(g, sprm::CFItalic, 1);
    if (style.color & 0xFFFFFF) {
        put16(g, sprm::CCv);
        put8(g, uint8_t(style.color >> 16));  // COLORREF: red, green, blue, then 0 for "not automatic"
        put8(g, uint8_t(style.color >> 8));
        put8(g, uint8_t(style.color));
        put8(g, 0);
    }
    return g;
}

std::string paragraphGrpprl(const Paragraph &p) {
    std::string g;
    const uint8_t jc = p.alignment == Alignment::Center  ? 1
                       : p.alignment == Alignment::Right ? 2
                       : p.alignment == Alignment::Justify ? 3
                                                          : 0;
    if (jc)
        put8Sprm(g, sprm::PJc80, jc);
    if (const int16_t v = twips(p.leftIndent))
        put16Sprm(g, sprm::PDxaLeft80, uint16_t(v));
    if (const int16_t v = twips(p.rightIndent))
        put16Sprm(g, sprm::PDxaRight80, uint16_t(v));
    if (const int16_t v = twips(p.firstLineIndent))
        put16Sprm(g, sprm::PDxaLeft1_80, uint16_t(v));
    if (const int16_t v = std::max<int16_t>(0, twips(p.spaceBefore)))
        put16Sprm(g, sprm::PDyaBefore, uint16_t(v));
    if (const int16_t v = std::max<int16_t>(0, twips(p.spaceAfter)))
        put16Sprm(g, sprm::PDyaAfter, uint16_t(v));
    if (const int16_t v = std::max<int16_t>(0, twips(p.lineSpacing))) {
        // A positive height with fMultLinespace 0 means "at least", so larger glyphs still fit.
        put16(g, sprm::PDyaLine);
        put16(g, uint16_t(v));
        put16(g, 0);
    }
    if (p.headingLevel >= 1 && p.headingLevel <= 9) {
        put8Sprm(g, sprm::POutLvl, uint8_t(p.headingLevel - 1));
        put8Sprm(g, sprm::PFKeepFollow, 1);
    }
    return g;
}

std::string sectionGrpprl(const Page &page) {
    const double width = std::clamp(page.width, 72.0, kMaxPagePoints);
    const double height = std::clamp(page.height, 72.0, kMaxPagePoints);
    // Margins from the text's bounding box may swallow the page; keep at least half of each side for text.
    auto margin = [](double m, double side) { return std::clamp(m == m ? m : 0.0, 0.0, side / 4); };
    std::string g;
    put8Sprm(g, sprm::SBkc, 2);  // each section starts a new page
    put16Sprm(g, sprm::SXaPage, uint16_t(twips(width)));
    put16Sprm(g, sprm::SYaPage, uint16_t(twips(height)));
    if (width > height)
        put8Sprm(g, sprm::SBOrientation, 2);  // landscape; portrait is the default
    put16Sprm(g, sprm::SDxaLeft, uint16_t(twips(margin(page.marginLeft, width))));
    put16Sprm(g, sprm::SDxaRight, uint16_t(twips(margin(page.marginRight, width))));
    put16Sprm(g, sprm::SDyaTop, uint16_t(twips(margin(page.marginTop, height))));
    put16Sprm(g, sprm::SDyaBottom, uint16_t(twips(margin(page.marginBottom, height))));
    return g;
}

} // namespace pwt::doc
