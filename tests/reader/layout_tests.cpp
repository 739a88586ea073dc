// The layout: reading order, paragraphs, hyphens, styles, and the text back end's shape.
#include "pdf_builder.h"
#include "test_support.h"

#include "text/text_writer.h"

#include <gtest/gtest.h>

#include <sstream>

namespace pwt::test {
namespace {

// Lines of Helvetica 10 at the given x, starting at the top y (PDF space) and 12 points apart.
std::string lines(double x, double y, std::initializer_list<const char *> texts) {
    std::string ops = "BT /F1 10 Tf 12 TL 1 0 0 1 " + std::to_string(x) + " " + std::to_string(y) + " Tm ";
    for (const char *t : texts)
        ops += std::string("(") + t + ") Tj T* ";
    return ops + "ET\n";
}

TEST(ReadingOrder, TwoColumnsUnderATitle) {
    std::string content = "BT /F1 16 Tf 120 740 Td (Title across both) Tj ET\n" +
                          lines(72, 700, {"left column, line one", "left column, line two", "three"}) +
                          lines(320, 700, {"right column, line one", "right column, line two", "three"});
    EXPECT_EQ(pageText(content, kHelvetica), "Title across both left column, line one left column, line two three "
                                             "right column, line one right column, line two three");
}

TEST(ReadingOrder, ColumnsWithAParagraphGapOnOneSide) {
    std::string content = lines(72, 700, {"a1 left column text", "a2", "", "a3 left column text", "a4"}) +
                          lines(320, 700, {"b1 right column text", "b2", "b3", "b4", "b5"});
    EXPECT_EQ(pageText(content, kHelvetica),
              "a1 left column text a2 a3 left column text a4 b1 right column text b2 b3 b4 b5");
}

TEST(ReadingOrder, NarrowStripsStayInTheirRows) {
    // Line numbers beside code are not a column of their own.
    std::string content = lines(72, 700, {"1", "2", "3"}) + lines(100, 700, {"int main() {", "return 0;", "}"});
    EXPECT_EQ(pageText(content, kHelvetica), "1 int main() { 2 return 0; 3 }");
}

TEST(ReadingOrder, FootnotesUnderATableComeAfterIt) {
    // The table's last column lies beyond the body text, so a gutter runs from the top of the page to its
    // foot beside it; the empty bands above and below the table still come first.
    std::string content = lines(72, 700, {"body text across the width of the page"}) +
                          lines(72, 640, {"key one", "key two", "key three"}) +
                          lines(160, 640, {"value one", "value two", "value three"}) +
                          lines(400, 640, {"last one", "last two", "last three"}) + lines(72, 120, {"1 a footnote"});
    std::string text = pageText(content, kHelvetica);
    EXPECT_EQ(text.rfind("body text", 0), 0u) << text;
    EXPECT_EQ(text.find("1 a footnote"), text.size() - 12) << text;
}

TEST(ReadingOrder, AShortLastColumnStaysAColumn) {
    // The last page of an article: the second column ends early, and a wide gap in the first column below
    // its end does not cut the page into bands.
    std::string content = lines(72, 700, {"left column, line one", "left column, line two"}) +
                          lines(72, 640, {"left column after a gap", "and its last line"}) +
                          lines(320, 700, {"right column, line one", "right column, line two"});
    EXPECT_EQ(pageText(content, kHelvetica), "left column, line one left column, line two left column after a gap "
                                             "and its last line right column, line one right column, line two");
}

TEST(ReadingOrder, ContentOrderDoesNotMatter) {
    std::string content = "BT /F1 10 Tf 72 688 Td (second) Tj ET BT /F1 10 Tf 72 700 Td (first) Tj ET "
                          "BT /F1 10 Tf 120 688 Td (line) Tj ET";
    EXPECT_EQ(pageText(content, kHelvetica), "first second line");
}

TEST(ReadingOrder, RotatedText) {
    EXPECT_EQ(pageText("BT /F1 10 Tf 0 1 -1 0 300 300 Tm (upwards) Tj ET", kHelvetica), "upwards");
}

TEST(ReadingOrder, VerticalColumnsRightToLeft) {
    PdfBuilder pdf;
    int cidFont = pdf.object("<< /Type /Font /Subtype /CIDFontType0 /BaseFont /V /CIDSystemInfo << /Registry (Adobe) "
                             "/Ordering (GB1) /Supplement 0 >> >>");
    int font = pdf.object("<< /Type /Font /Subtype /Type0 /BaseFont /V /Encoding /UniGB-UCS2-V /DescendantFonts [" +
                          std::to_string(cidFont) + " 0 R] >>");
    pdf.page("BT /F1 12 Tf 280 700 Td <65E5672C> Tj ET BT /F1 12 Tf 300 700 Td <4E2D6587> Tj ET",
             "<< /Font << /F1 " + std::to_string(font) + " 0 R >> >>");
    EXPECT_EQ(flat(pdfText(pdf.bytes())), "\u4E2D\u6587 \u65E5\u672C");
}

TEST(Words, GapsAndDuplicates) {
    struct Case {
        const char *name, *ops, *expected;
    } cases[] = {
        {"kerning stays inside a word", "[(W) 80 (ord)] TJ", "Word"},
        {"a wide adjustment is a space", "[(two) -300 (words)] TJ", "two words"},
        {"fake bold drawn twice", "(Bold) Tj 0.3 0 Td (Bold) Tj", "Bold"},
        {"superscript on its line", "(x) Tj 3 Ts /F1 7 Tf (2) Tj 0 Ts /F1 10 Tf ( = 4) Tj", "x2 = 4"},
        {"sub- and superscripts on one line",
         "(x) Tj -3 Ts /F1 7 Tf (i) Tj 0 Ts /F1 10 Tf ( + y) Tj 4 Ts /F1 7 Tf (2) Tj", "xi + y2"},
        {"raised and lowered at full size", "(x) Tj -3 Ts (i) Tj 0 Ts ( + y) Tj 4 Ts (2) Tj", "xi + y2"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(pageText(std::string("BT /F1 10 Tf 100 700 Td ") + c.ops + " ET", kHelvetica), c.expected) << c.name;
}

TEST(Paragraphs, LineEndHyphens) {
    struct Case {
        const char *first, *second, *expected;
    } cases[] = {
        {"an exam-", "ple here", "an example here"},
        {"the Foo-", "Bar case", "the Foo-Bar case"},
        {"Windows-", "95 here", "Windows-95 here"},
        {"x -", "dash", "x - dash"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(pageText(lines(72, 700, {c.first, c.second}), kHelvetica), c.expected) << c.first;
}

TEST(Paragraphs, SplitBySpacingAndIndent) {
    std::string content = lines(72, 700, {"one a", "one b"}) + lines(72, 660, {"two a", "two b"}) +
                          lines(90, 630, {"three a"}) + lines(72, 618, {"three b"});
    Document doc = readPdfBytes([&] {
        PdfBuilder pdf;
        pdf.page(content, kHelvetica);
        return pdf.bytes();
    }());
    std::vector<const Paragraph *> paragraphs;
    std::vector<std::string> texts;
    for (const Block &b : doc.pages.at(0).blocks)
        for (const Paragraph &p : b.paragraphs) {
            paragraphs.push_back(&p);
            texts.push_back(p.text());
        }
    ASSERT_EQ(texts, (std::vector<std::string>{"one a one b", "two a two b", "three a three b"}));
    EXPECT_NEAR(paragraphs[0]->lineSpacing, 12, 0.01);
    EXPECT_NEAR(paragraphs[1]->spaceBefore, 28 - 10 - 2.5, 0.01);  // baselines 28 apart, less the lines' extents
    EXPECT_NEAR(paragraphs[2]->firstLineIndent, 18, 0.01);
}

TEST(Paragraphs, AParagraphRunsOnIntoTheNextColumn) {
    // The next column starts mid-sentence with a lower-case word: the paragraph goes on; a capital starts
    // a paragraph of its own.
    std::vector<std::string> texts;
    for (const char *head : {"words of the column", "Words of the column"}) {
        Document doc = readPdfBytes([&] {
            PdfBuilder pdf;
            pdf.page(lines(72, 700, {"words of the column", "words of the column"}) +
                         lines(320, 700, {head, "words of the column"}),
                     kHelvetica);
            return pdf.bytes();
        }());
        for (const Block &b : doc.pages.at(0).blocks)
            for (const Paragraph &p : b.paragraphs)
                texts.push_back(p.text());
    }
    std::string column = "words of the column words of the column";
    EXPECT_EQ(texts, (std::vector<std::string>{column + " " + column, column, "W" + column.substr(1)}));
}

TEST(Paragraphs, AShortLineEndsWithALineBreak) {
    Document doc = readPdfBytes([] {
        PdfBuilder pdf;
        pdf.page(lines(72, 700, {"a long line that sets the right edge of the block", "short",
                                 "another long line that reaches that edge too"}),
                 kHelvetica);
        return pdf.bytes();
    }());
    const std::vector<Paragraph> &paragraphs = doc.pages.at(0).blocks.at(0).paragraphs;
    ASSERT_EQ(paragraphs.size(), 1u);
    EXPECT_EQ(paragraphs[0].text(),
              "a long line that sets the right edge of the block short\nanother long line that reaches that edge too");
}

TEST(Paragraphs, ABoldLineStartsItsOwn) {
    PdfBuilder pdf;
    pdf.page("BT /F2 10 Tf 12 TL 72 700 Td (Bold heading) Tj T* /F1 10 Tf (body one) Tj T* (body two) Tj ET",
             "<< /Font << /F1 << /Type /Font /Subtype /Type1 /BaseFont /Helvetica >> "
             "/F2 << /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold >> >> >>");
    Document doc = readPdfBytes(pdf.bytes());
    ASSERT_EQ(doc.pages.at(0).blocks.size(), 1u);
    const std::vector<Paragraph> &paragraphs = doc.pages[0].blocks[0].paragraphs;
    ASSERT_EQ(paragraphs.size(), 2u);
    EXPECT_EQ(paragraphs[0].text(), "Bold heading");
    EXPECT_EQ(paragraphs[1].text(), "body one body two");
}

TEST(Paragraphs, HeadingsKeepTheirStyle) {
    PdfBuilder pdf;
    pdf.page("BT /F2 20 Tf 72 720 Td (Heading) Tj ET " + lines(72, 690, {"body text", "more body"}) +
                 lines(72, 660, {"and more"}) + lines(72, 630, {"still more"}),
             "<< /Font << /F1 << /Type /Font /Subtype /Type1 /BaseFont /Helvetica >> "
             "/F2 << /Type /Font /Subtype /Type1 /BaseFont /Helvetica-BoldOblique >> >> >>");
    Document doc = readPdfBytes(pdf.bytes());
    const Paragraph &heading = doc.pages.at(0).blocks.at(0).paragraphs.at(0);
    ASSERT_EQ(heading.runs.size(), 1u);
    EXPECT_EQ(heading.runs[0].text, "Heading");
    EXPECT_EQ(heading.runs[0].style.font, "Helvetica");
    EXPECT_TRUE(heading.runs[0].style.bold);
    EXPECT_TRUE(heading.runs[0].style.italic);
    EXPECT_EQ(heading.runs[0].style.size, 20);
    EXPECT_EQ(heading.headingLevel, 1);
    const Paragraph &body = doc.pages.at(0).blocks.at(1).paragraphs.at(0);
    EXPECT_FALSE(body.runs.at(0).style.bold);
    EXPECT_EQ(body.headingLevel, 0);
}

TEST(Pages, RotationAndCropBox) {
    PdfBuilder pdf;
    pdf.page(lines(72, 700, {"turned"}), kHelvetica, "/Rotate 90");
    pdf.page(lines(72, 700, {"inside"}) + lines(400, 100, {"outside"}), kHelvetica, "/CropBox [0 300 612 792]");
    Document doc = readPdfBytes(pdf.bytes());
    ASSERT_EQ(doc.pages.size(), 2u);
    EXPECT_EQ(doc.pages[0].rotation, 90);
    EXPECT_EQ(doc.pages[0].width, 792);
    EXPECT_EQ(doc.pages[0].height, 612);
    EXPECT_EQ(doc.pages[1].height, 492);
    std::ostringstream text;
    writeText(doc, text);
    EXPECT_EQ(text.str(), "turned\n\n\finside\n\n\f");
}

} // namespace
} // namespace pwt::test
