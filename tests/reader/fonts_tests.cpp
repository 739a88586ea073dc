// Fonts and encodings: the ways a string's bytes become Unicode text.
#include "pdf_builder.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace pwt::test {
namespace {

std::string type0Resources(PdfBuilder &pdf, const std::string &encoding, const std::string &collection,
                           const std::string &toUnicode = "") {
    std::string registry = collection.substr(0, collection.find('-'));
    std::string ordering = collection.substr(collection.find('-') + 1);
    int cidFont = pdf.object("<< /Type /Font /Subtype /CIDFontType0 /BaseFont /TestCid /CIDSystemInfo << /Registry (" +
                             registry + ") /Ordering (" + ordering + ") /Supplement 0 >> /DW 1000 >>");
    std::string extra;
    if (!toUnicode.empty())
        extra = " /ToUnicode " + std::to_string(pdf.stream("", toUnicode)) + " 0 R";
    int font = pdf.object("<< /Type /Font /Subtype /Type0 /BaseFont /TestCid /Encoding " + encoding +
                          " /DescendantFonts [" + std::to_string(cidFont) + " 0 R]" + extra + " >>");
    return "<< /Font << /F1 " + std::to_string(font) + " 0 R >> >>";
}

std::string toUnicodeCMap(const std::string &codespace, const std::string &body) {
    return "/CIDInit /ProcSet findresource begin 12 dict begin begincmap\n1 begincodespacerange " + codespace +
           " endcodespacerange\n" + body + "\nendcmap CMapName currentdict /CMap defineresource pop end end";
}

TEST(SimpleFonts, NamedEncodingsAndDifferences) {
    struct Case {
        const char *encoding, *text, *expected;
    } cases[] = {
        {"/WinAnsiEncoding", "(\\223quoted\\224 caf\\351 \\200)", "\u201Cquoted\u201D caf\u00E9 \u20AC"},
        {"/MacRomanEncoding", "(\\322x\\323 \\216t\\216)", "\u201Cx\u201D \u00E9t\u00E9"},
        {"<< /BaseEncoding /WinAnsiEncoding /Differences [65 /uni4E2D /ff /germandbls /a_b /B.sc] >>", "(ABCDE)",
         "\u4E2Dff\u00DFabB"},
        {"<< /Differences [97 /fi /u1F600 /Omega] >>", "(abc)", "fi\U0001F600\u2126"},  // the glyph list maps Omega to the ohm sign
        // TeX's math fonts: names beyond the glyph list, and delimiters and operators in several sizes
        {"<< /Differences [97 /angbracketleft /bardbl /parenleftbigg /summationdisplay /Rfractur /uniontext] >>",
         "(abcdef)", "\u27E8\u2016(\u2211\u211C\u222A"},
    };
    for (const Case &c : cases) {
        std::string resources = std::string("<< /Font << /F1 << /Type /Font /Subtype /Type1 /BaseFont /Helvetica "
                                             "/Encoding ") + c.encoding + " >> >> >>";
        EXPECT_EQ(pageText(std::string("BT /F1 12 Tf 72 700 Td ") + c.text + " Tj ET", resources), c.expected)
            << c.encoding;
    }
}

TEST(SimpleFonts, StandardEncodingIsTheDefaultOfType1) {
    // Code 0x27 is quoteright and 0x60 quoteleft in StandardEncoding, unlike ASCII.
    EXPECT_EQ(pageText("BT /F1 12 Tf 72 700 Td (\\140it\\047s\\047) Tj ET", kHelvetica), "\u2018it\u2019s\u2019");
}

TEST(SimpleFonts, SymbolicTrueTypeWithoutEncodingUsesTheCodes) {
    PdfBuilder pdf;
    int descriptor = pdf.object("<< /Type /FontDescriptor /FontName /Wingish /Flags 4 /ItalicAngle 0 >>");
    pdf.page("BT /F1 12 Tf 72 700 Td (abc) Tj ET",
             "<< /Font << /F1 << /Type /Font /Subtype /TrueType /BaseFont /Wingish /FirstChar 97 /LastChar 99 "
             "/Widths [500 500 500] /FontDescriptor " + std::to_string(descriptor) + " 0 R >> >> >>");
    EXPECT_EQ(flat(pdfText(pdf.bytes())), "abc");
}

TEST(SimpleFonts, Type3GlyphNamesAndFontMatrix) {
    PdfBuilder pdf;
    int proc = pdf.stream("", "50 0 d0");
    pdf.page("BT /F1 10 Tf 72 700 Td (\\001\\002) Tj ( ) Tj (\\001) Tj ET",
             "<< /Font << /F1 << /Type /Font /Subtype /Type3 /FontBBox [0 0 100 100] /FontMatrix [0.01 0 0 0.01 0 0] "
             "/CharProcs << /A " + std::to_string(proc) + " 0 R >> /Encoding << /Differences [1 /A /B 32 /space] >> "
             "/FirstChar 1 /LastChar 32 /Widths [50 50 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 "
             "100] >> >> >>");
    EXPECT_EQ(flat(pdfText(pdf.bytes())), "AB A");
}

TEST(ToUnicode, CMapForms) {
    struct Case {
        const char *name, *codespace, *body, *shown, *expected;
    } cases[] = {
        {"bfchar", "<0000> <FFFF>", "2 beginbfchar <0001> <0048> <0002> <0069> endbfchar", "<00010002>", "Hi"},
        {"bfrange counting up", "<0000> <FFFF>", "1 beginbfrange <0010> <0012> <0061> endbfrange", "<001000110012>",
         "abc"},
        {"bfrange with an array", "<0000> <FFFF>", "1 beginbfrange <0020> <0021> [<4E2D> <6587>] endbfrange",
         "<00200021>", "\u4E2D\u6587"},
        {"several characters and ligatures", "<0000> <FFFF>",
         "2 beginbfchar <0030> <00660069> <0031> <FB03> endbfchar", "<00300031>", "fiffi"},
        {"surrogate pair", "<0000> <FFFF>", "1 beginbfchar <0032> <D83DDE00> endbfchar", "<0032>", "\U0001F600"},
        {"mixed code lengths", "<00> <7F> <8000> <FFFF>",
         "3 beginbfchar <41> <0041> <8140> <4E2D> <42> <0042> endbfchar", "<41814042>", "A\u4E2DB"},
        {"four-byte codes", "<00000000> <FFFFFFFF>", "1 beginbfchar <00010002> <00E9> endbfchar", "<00010002>",
         "\u00E9"},
    };
    for (const Case &c : cases) {
        PdfBuilder pdf;
        std::string resources =
            type0Resources(pdf, "/Identity-H", "Adobe-Identity", toUnicodeCMap(c.codespace, c.body));
        if (std::string(c.name) == "mixed code lengths" || std::string(c.name) == "four-byte codes") {
            // An embedded encoding CMap with the same codespace, so that the font splits codes alike.
            int encoding = pdf.stream("/Type /CMap /CMapName /Test", toUnicodeCMap(c.codespace,
                                      "1 begincidrange <00> <FF> 1 endcidrange"));
            resources = type0Resources(pdf, std::to_string(encoding) + " 0 R", "Adobe-Identity",
                                       toUnicodeCMap(c.codespace, c.body));
        }
        pdf.page(std::string("BT /F1 12 Tf 72 700 Td ") + c.shown + " Tj ET", resources);
        EXPECT_EQ(flat(pdfText(pdf.bytes())), c.expected) << c.name;
    }
}

TEST(ToUnicode, WinsOverTheEncoding) {
    PdfBuilder pdf;
    int cmap = pdf.stream("", toUnicodeCMap("<00> <FF>", "1 beginbfchar <41> <03A9> endbfchar"));
    pdf.page("BT /F1 12 Tf 72 700 Td (AB) Tj ET",
             "<< /Font << /F1 << /Type /Font /Subtype /Type1 /BaseFont /Helvetica /ToUnicode " + std::to_string(cmap) +
                 " 0 R >> >> >>");
    EXPECT_EQ(flat(pdfText(pdf.bytes())), "\u03A9B");
}

TEST(CidFonts, PredefinedCMapsThroughTheCollections) {
    struct Case {
        const char *cmap, *collection, *shown, *expected;
    } cases[] = {
        {"/GBK-EUC-H", "Adobe-GB1", "<D6D0CEC4>", "\u4E2D\u6587"},
        {"/GB-EUC-H", "Adobe-GB1", "<D6D0CEC4>", "\u4E2D\u6587"},
        {"/UniGB-UCS2-H", "Adobe-GB1", "<4E2D6587>", "\u4E2D\u6587"},
        {"/UniGB-UTF16-H", "Adobe-GB1", "<4E2D6587>", "\u4E2D\u6587"},
        {"/B5pc-H", "Adobe-CNS1", "<A4A4A4E5>", "\u4E2D\u6587"},
        {"/90ms-RKSJ-H", "Adobe-Japan1", "<93FA967B>", "\u65E5\u672C"},
        {"/KSCms-UHC-H", "Adobe-Korea1", "<C7D1B1B9>", "\uD55C\uAD6D"},
        {"/Identity-H", "Adobe-GB1", "<0000>", ""},
    };
    for (const Case &c : cases) {
        PdfBuilder pdf;
        pdf.page(std::string("BT /F1 12 Tf 72 700 Td ") + c.shown + " Tj ET", type0Resources(pdf, c.cmap, c.collection));
        EXPECT_EQ(flat(pdfText(pdf.bytes())), c.expected) << c.cmap;
    }
}

TEST(CidFonts, IdentityWithTheCollectionTable) {
    // CID 4 of Adobe-GB1 is '#' (CID 1 is the space, CIDs follow ASCII from there).
    PdfBuilder pdf;
    pdf.page("BT /F1 12 Tf 72 700 Td <00040022> Tj ET", type0Resources(pdf, "/Identity-H", "Adobe-GB1"));
    EXPECT_EQ(flat(pdfText(pdf.bytes())), "#A");
}

// A TrueType program holding only a (3,1) cmap: 'A' is glyph 5 and U+4E2D glyph 7.
std::string trueTypeWithCmap() {
    std::string b;
    auto u16 = [&](uint32_t v) { b += static_cast<char>(v >> 8); b += static_cast<char>(v & 0xFF); };
    auto u32 = [&](uint32_t v) { u16(v >> 16); u16(v & 0xFFFF); };
    u32(0x00010000); u16(1); u16(16); u16(0); u16(0);  // one table
    b += "cmap"; u32(0); u32(28); u32(52);
    u16(0); u16(1); u16(3); u16(1); u32(12);           // one subtable: Windows Unicode
    u16(4); u16(40); u16(0); u16(6); u16(4); u16(1); u16(2);
    for (uint32_t end : {0x41u, 0x4E2Du, 0xFFFFu}) u16(end);
    u16(0);
    for (uint32_t start : {0x41u, 0x4E2Du, 0xFFFFu}) u16(start);
    for (uint32_t delta : {(5u - 0x41u) & 0xFFFF, (7u - 0x4E2Du) & 0xFFFF, 1u}) u16(delta);
    for (int i = 0; i < 3; ++i) u16(0);
    return b;
}

TEST(CidFonts, TrueTypeProgramWithoutToUnicode) {
    struct Case {
        const char *name, *cidToGid, *shown;
    } cases[] = {{"identity", "", "<00050007>"}, {"CIDToGIDMap stream", "map", "<00000001>"}};
    for (const Case &c : cases) {
        PdfBuilder pdf;
        int program = pdf.stream("", trueTypeWithCmap());
        std::string map;
        if (*c.cidToGid)
            map = " /CIDToGIDMap " + std::to_string(pdf.stream("", std::string("\0\5\0\7", 4))) + " 0 R";
        int descriptor = pdf.object("<< /Type /FontDescriptor /FontName /TT /Flags 4 /FontFile2 " +
                                    std::to_string(program) + " 0 R >>");
        int cidFont = pdf.object("<< /Type /Font /Subtype /CIDFontType2 /BaseFont /TT /CIDSystemInfo << /Registry "
                                 "(Adobe) /Ordering (Identity) /Supplement 0 >> /FontDescriptor " +
                                 std::to_string(descriptor) + " 0 R" + map + " >>");
        int font = pdf.object("<< /Type /Font /Subtype /Type0 /BaseFont /TT /Encoding /Identity-H /DescendantFonts [" +
                              std::to_string(cidFont) + " 0 R] >>");
        pdf.page(std::string("BT /F1 12 Tf 72 700 Td ") + c.shown + " Tj ET",
                 "<< /Font << /F1 " + std::to_string(font) + " 0 R >> >>");
        EXPECT_EQ(flat(pdfText(pdf.bytes())), "A\u4E2D") << c.name;
    }
}

} // namespace
} // namespace pwt::test
