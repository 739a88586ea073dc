// The content interpreter: where glyphs land, and which glyphs count as visible text.
#include "pdf_builder.h"
#include "test_support.h"

#include "pdf/content_interpreter.h"
#include "pdf/font_data.h"

#include <gtest/gtest.h>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

namespace pwt::test {
namespace {

// Interprets the first page of a PDF on an unrotated 612 x 792 page.
PageGlyphs glyphsOf(const std::string &pdfBytes) {
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processMemoryFile("test", pdfBytes.data(), pdfBytes.size());
    FontData data(PWT_DATA_DIR);
    FontCache fonts(data);
    PageSetup setup;
    setup.width = 612;
    setup.height = 792;
    setup.toVisible = {1, 0, 0, -1, 0, 792};
    return interpretPage(QPDFPageDocumentHelper(pdf).getAllPages().at(0).getObjectHandle(), setup, fonts, nullptr);
}

PageGlyphs glyphsOf(const std::string &content, const std::string &resources) {
    PdfBuilder pdf;
    pdf.page(content, resources);
    return glyphsOf(pdf.bytes());
}

std::string textOf(const PageGlyphs &page) {
    std::string text;
    for (const Glyph &g : page.glyphs)
        text += g.text;
    return text;
}

TEST(TextState, GlyphPositions) {
    // Helvetica's H is 722 units wide and its space 278.
    struct Case {
        const char *name, *ops;
        size_t glyph;
        double x, y, size;
    } cases[] = {
        {"origin", "1 0 0 1 100 700 Tm (HH) Tj", 0, 100, 92, 10},
        {"advance", "1 0 0 1 100 700 Tm (HH) Tj", 1, 107.22, 92, 10},
        {"horizontal scaling", "50 Tz 1 0 0 1 100 700 Tm (HH) Tj", 1, 103.61, 92, 10},
        {"character spacing", "2 Tc 1 0 0 1 100 700 Tm (HH) Tj", 1, 109.22, 92, 10},
        {"word spacing on code 32", "5 Tw 1 0 0 1 100 700 Tm (H H) Tj", 2, 115, 92, 10},
        {"TJ adjustment", "1 0 0 1 100 700 Tm [(H) -1000 (H)] TJ", 1, 117.22, 92, 10},
        {"text matrix scale", "2 0 0 2 100 700 Tm (HH) Tj", 1, 114.44, 92, 20},
        {"leading and T*", "20 TL 1 0 0 1 100 700 Tm T* (H) Tj", 0, 100, 112, 10},
        {"TD sets the leading", "100 700 Td 0 -15 TD T* (H) Tj", 0, 100, 122, 10},
        {"rise", "3 Ts 1 0 0 1 100 700 Tm (H) Tj", 0, 100, 89, 10},
        {"quote operators", "1 0 0 1 100 700 Tm 12 TL (H) ' 4 1 (HH) \"", 2, 108.22, 116, 10},
    };
    for (const Case &c : cases) {
        PageGlyphs page = glyphsOf(std::string("BT /F1 10 Tf ") + c.ops + " ET", kHelvetica);
        ASSERT_GT(page.glyphs.size(), c.glyph) << c.name;
        const Glyph &g = page.glyphs[c.glyph];
        EXPECT_NEAR(g.x, c.x, 0.01) << c.name;
        EXPECT_NEAR(g.y, c.y, 0.01) << c.name;
        EXPECT_NEAR(g.size, c.size, 0.01) << c.name;
        EXPECT_EQ(g.dir, 0) << c.name;
    }
}

TEST(TextState, MatricesAndSavedStates) {
    PageGlyphs page = glyphsOf("q 1 0 0 1 50 0 cm BT /F1 10 Tf 100 700 Td (H) Tj ET Q "
                               "BT /F1 10 Tf 100 700 Td (H) Tj ET "
                               "q 0 1 -1 0 300 300 cm BT /F1 10 Tf 0 0 Td (H) Tj ET Q",
                               kHelvetica);
    ASSERT_EQ(page.glyphs.size(), 3u);
    EXPECT_NEAR(page.glyphs[0].x, 150, 0.01);
    EXPECT_NEAR(page.glyphs[1].x, 100, 0.01);
    EXPECT_EQ(page.glyphs[2].dir, 3);  // rotated a quarter turn: the text runs upwards
    EXPECT_NEAR(page.glyphs[2].x, 300, 0.01);
    EXPECT_NEAR(page.glyphs[2].y, 492, 0.01);
}

TEST(TextState, VerticalWritingAdvancesDownwards) {
    PdfBuilder pdf;
    int cidFont = pdf.object("<< /Type /Font /Subtype /CIDFontType0 /BaseFont /V /CIDSystemInfo << /Registry (Adobe) "
                             "/Ordering (GB1) /Supplement 0 >> >>");
    int font = pdf.object("<< /Type /Font /Subtype /Type0 /BaseFont /V /Encoding /UniGB-UCS2-V /DescendantFonts [" +
                          std::to_string(cidFont) + " 0 R] >>");
    pdf.page("BT /F1 12 Tf 300 700 Td <4E2D6587> Tj ET", "<< /Font << /F1 " + std::to_string(font) + " 0 R >> >>");
    PageGlyphs page = glyphsOf(pdf.bytes());
    ASSERT_EQ(textOf(page), "\u4E2D\u6587");
    EXPECT_EQ(page.glyphs[0].dir, 1);
    EXPECT_NEAR(page.glyphs[1].y - page.glyphs[0].y, 12, 0.01);
    EXPECT_NEAR(page.glyphs[1].x, page.glyphs[0].x, 0.01);
}

TEST(FormXObjects, OwnResourcesAndMatrix) {
    PdfBuilder pdf;
    int form = pdf.stream("/Type /XObject /Subtype /Form /BBox [0 0 500 500] /Matrix [1 0 0 1 100 0] /Resources " +
                              std::string(kHelvetica),
                          "BT /F1 10 Tf 0 700 Td (F) Tj ET");
    pdf.page("/X1 Do", "<< /XObject << /X1 " + std::to_string(form) + " 0 R >> >>");
    PageGlyphs page = glyphsOf(pdf.bytes());
    ASSERT_EQ(textOf(page), "F");
    EXPECT_NEAR(page.glyphs[0].x, 100, 0.01);
}

TEST(FormXObjects, SelfReferenceEnds) {
    // Form 3 draws itself; nesting must stop instead of recursing for ever.
    PdfBuilder pdf;
    int self = 3;
    int form = pdf.stream("/Type /XObject /Subtype /Form /BBox [0 0 500 500] /Resources << /Font " +
                              std::string("<< /F1 << /Type /Font /Subtype /Type1 /BaseFont /Helvetica >> >> /XObject << /Me ") +
                              std::to_string(self) + " 0 R >> >>",
                          "BT /F1 10 Tf 0 700 Td (S) Tj ET /Me Do");
    ASSERT_EQ(form, self);
    pdf.page("/Me Do", "<< /XObject << /Me " + std::to_string(form) + " 0 R >> >>");
    EXPECT_EQ(textOf(glyphsOf(pdf.bytes())), "S");
}

TEST(MarkedContent, ActualTextReplacesItsGlyphs) {
    PageGlyphs page = glyphsOf("BT /F1 10 Tf 100 700 Td (a) Tj /Span << /ActualText (\\376\\377\\000f\\000i) >> BDC "
                               "(xy) Tj EMC (b) Tj /Span << /ActualText (ignored) >> BDC EMC ET",
                               kHelvetica);
    ASSERT_EQ(page.glyphs.size(), 3u);
    EXPECT_EQ(page.glyphs[1].text, "fi");
    EXPECT_NEAR(page.glyphs[1].advance, 10.0, 0.01);  // x and y are 500 units wide each
    EXPECT_EQ(textOf(page), "afib");
}

TEST(Visibility, WhichTextCounts) {
    struct Case {
        const char *name, *ops, *expected;
    } cases[] = {
        {"invisible OCR text is kept", "3 Tr (ocr) Tj", "ocr"},
        {"white on white is dropped", "1 1 1 rg (ghost) Tj", ""},
        {"white on a dark box is kept", "ET 0 0 0 rg 90 680 200 40 re f BT /F1 10 Tf 100 700 Td 1 g (shown) Tj", "shown"},
        {"outside the crop box is dropped", "-500 0 Td (away) Tj", ""},
        {"coloured text is kept", "0.5 0 0 rg (red) Tj", "red"},
    };
    for (const Case &c : cases) {
        PageGlyphs page = glyphsOf(std::string("BT /F1 10 Tf 100 700 Td ") + c.ops + " ET", kHelvetica);
        EXPECT_EQ(textOf(page), c.expected) << c.name;
    }
}

TEST(Visibility, RunsCarryTheFillColour) {
    PageGlyphs page = glyphsOf("BT /F1 10 Tf 100 700 Td 1 0 0 rg (r) Tj 0 0 1 0 k (m) Tj 0.5 g (g) Tj ET", kHelvetica);
    ASSERT_EQ(page.glyphs.size(), 3u);
    EXPECT_EQ(page.styles[page.glyphs[0].style].color, 0xFF0000u);
    EXPECT_EQ(page.styles[page.glyphs[1].style].color, 0xFFFF00u);
    EXPECT_EQ(page.styles[page.glyphs[2].style].color, 0x808080u);
}

// A font of 500-unit glyphs, but "m" and "n" that take no room, like TeX's \mapstochar and \not.
std::string texLikeFont() {
    std::string widths;
    for (int code = 32; code <= 126; ++code)
        widths += code == 'm' || code == 'n' ? "0 " : "500 ";
    return "<< /Font << /F1 << /Type /Font /Subtype /Type1 /BaseFont /TeXLike /FirstChar 32 /LastChar 126 /Widths [" +
           widths + "] /Encoding << /Differences [109 /mapstochar /negationslash 114 /arrowright /similar /tilde] >> "
                    ">> >> >>";
}

TEST(Overlays, GlyphsDrawnOnOneSpotReadAsOneCharacter) {
    struct Case {
        const char *name, *ops, *expected;
    } cases[] = {
        {"a negation slash over equals", "100 700 Td (n=) Tj", "\u2260"},
        {"a negation slash over a letter", "100 700 Td (nA) Tj", "A\u0338"},
        {"a bar before an arrow", "100 700 Td (mr) Tj", "\u21A6"},
        {"a tilde over its letter", "101 704 Td (t) Tj 1 0 0 1 100 700 Tm (X) Tj", "X\u0303"},
        {"a tilde drawn after its letter", "100 700 Td (X) Tj 1 0 0 1 101 704 Tm (t) Tj", "X\u0303"},
        {"a tilde beside a letter stays", "100 700 Td (Xt) Tj", "X\u02DC"},
        {"a tilde over equals", "100 703 Td (s) Tj 1 0 0 1 100 700 Tm (=) Tj", "\u2245"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(textOf(glyphsOf(std::string("BT /F1 10 Tf ") + c.ops + " ET", texLikeFont())), c.expected) << c.name;
}

} // namespace
} // namespace pwt::test
