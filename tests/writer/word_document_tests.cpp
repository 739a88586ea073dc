// Documents written from hand-made models, read back by our own structure check and by the independent
// readers. A reader that is not installed skips its tests; the set-up installs all of them.
#include "cfb_reader.h"
#include "doc/word_writer.h"
#include "doc_structure.h"
#include "external_readers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace pwt {
namespace {

using test::withoutSpace;

Run textRun(const std::string &text, RunStyle style = {}) {
    Run r;
    r.text = text;
    r.style = std::move(style);
    return r;
}

RunStyle styled(const std::string &font, double size, bool bold, bool italic, uint32_t color = 0) {
    RunStyle s;
    s.font = font;
    s.size = size;
    s.bold = bold;
    s.italic = italic;
    s.color = color;
    return s;
}

Page page(double width, double height, std::vector<Paragraph> paragraphs) {
    Page p;
    p.width = width;
    p.height = height;
    Block b;
    b.paragraphs = std::move(paragraphs);
    p.blocks.push_back(std::move(b));
    return p;
}

Paragraph paragraph(std::vector<Run> runs, int headingLevel = 0, Alignment alignment = Alignment::Left) {
    Paragraph p;
    p.runs = std::move(runs);
    p.headingLevel = headingLevel;
    p.alignment = alignment;
    return p;
}

Document formattedDocument() {
    Document d;
    d.info.title = "Quarterly report";
    d.info.author = "Li Wei 李伟";
    const RunStyle body = styled("Times-Roman", 11, false, false);
    Paragraph withBreak = paragraph({textRun("First line", body)});
    Run lineBreak;
    lineBreak.kind = Run::Kind::LineBreak;
    withBreak.runs.push_back(lineBreak);
    withBreak.runs.push_back(textRun("second line of the same paragraph,\ttabbed, with \x07 and \x13 stray", body));
    d.pages.push_back(page(612, 792,
                           {paragraph({textRun("Annual overview", styled("Arial-BoldMT", 18, true, false))}, 1),
                            paragraph({textRun("Plain words then ", body),
                                       textRun("bold words", styled("Times-Bold", 11, true, false)),
                                       textRun(" and ", body),
                                       textRun("italic sixteen", styled("Times-Italic", 16, false, true)),
                                       textRun(" and ", body),
                                       textRun("red courier", styled("CourierNewPSMT", 11, false, false, 0xC00000))},
                                      0, Alignment::Justify),
                            withBreak}));
    d.pages.push_back(page(612, 792, {paragraph({textRun("Second letter page, centred.", body)}, 0,
                                                Alignment::Center)}));
    d.pages.push_back(page(842, 595, {paragraph({textRun("A landscape A4 page ends the document.", body)})}));
    return d;
}

Document cjkDocument() {
    Document d;
    d.info.title = "中文文档";
    const RunStyle yahei = styled("MicrosoftYaHei-Bold", 16, true, false);
    const RunStyle simsun = styled("ABCDEF+SimSun", 12, false, false);
    std::string longChinese;
    for (int i = 0; i < 40; ++i)
        longChinese += "这是一个很长的中文段落，用来检验读者对纯中文文本的处理。";
    d.pages.push_back(page(595, 842,
                           {paragraph({textRun("第一章 概述", yahei)}, 1),
                            paragraph({textRun("混合文本 mixed text 与 English words 一起。", simsun)}),
                            paragraph({textRun(longChinese, simsun)})}));
    return d;
}

// Enough text for several FKPs of each kind: many short paragraphs of alternating runs.
Document largeDocument(size_t minimumChars) {
    Document d;
    size_t chars = 0;
    for (int n = 0; chars < minimumChars; ++n) {
        std::vector<Paragraph> paragraphs;
        for (int k = 0; k < 40 && chars < minimumChars; ++k, ++n) {
            std::vector<Run> runs;
            for (int r = 0; r < 4; ++r) {
                runs.push_back(textRun("Paragraph " + std::to_string(n) + " run " + std::to_string(r) +
                                           " carries some ordinary words. ",
                                       styled(r % 2 ? "Helvetica" : "Times-Roman", 9 + r, r == 1, r == 3)));
                chars += runs.back().text.size();
            }
            paragraphs.push_back(paragraph(std::move(runs)));
        }
        d.pages.push_back(page(612, 792, std::move(paragraphs)));
    }
    return d;
}

std::string modelText(const Document &d) {
    std::string text;
    for (const Page &p : d.pages)
        for (const Block &b : p.blocks)
            for (const Paragraph &para : b.paragraphs)
                text += para.text() + "\n";
    return text;
}

std::string writeToString(const Document &d) {
    std::ostringstream out;
    writeWordDocument(d, out);
    return out.str();
}

struct Sample {
    std::string name;
    Document document;
    std::string path;
};

// All samples are written once for the whole binary, and LibreOffice converts them in one run per format.
class Samples {
public:
    Samples() {
        char pattern[] = "/tmp/pwt-writer-XXXXXX";
        dir_ = mkdtemp(pattern);
        samples_ = {{"formatted", formattedDocument(), ""},
                    {"cjk", cjkDocument(), ""},
                    {"large", largeDocument(70 * 1024), ""},
                    {"empty", Document(), ""},
                    {"difat", largeDocument(3'800'000), ""}};
        for (Sample &s : samples_) {
            s.path = dir_ + "/" + s.name + ".doc";
            std::ofstream(s.path, std::ios::binary) << writeToString(s.document);
        }
    }
    ~Samples() { std::system(("rm -rf " + test::quoted(dir_)).c_str()); }

    const std::vector<Sample> &all() const { return samples_; }
    const Sample &named(const std::string &name) const {
        for (const Sample &s : samples_)
            if (s.name == name)
                return s;
        throw std::runtime_error("no sample " + name);
    }

    // The path of LibreOffice's conversion of a sample, converting all of them on first use.
    std::string converted(const std::string &name, const std::string &extension) {
        if (!converted_) {
            std::vector<std::string> paths;
            for (const Sample &s : samples_)
                paths.push_back(s.path);
            test::convertWithLibreOffice(paths, "txt:Text", dir_);
            test::convertWithLibreOffice({named("formatted").path, named("cjk").path}, "fodt", dir_);
            converted_ = true;
        }
        return dir_ + "/" + name + "." + extension;
    }

private:
    std::string dir_;
    std::vector<Sample> samples_;
    bool converted_ = false;
};

Samples &samples() {
    static Samples instance;
    return instance;
}

std::pair<unsigned, test::DocStructure> structureOf(const Sample &s) {
    const test::CompoundFileContents file = test::readCompoundFile(test::readFile(s.path));
    return {file.difatSectors,
            test::checkDocStructure(file.streams.at("WordDocument"), file.streams.at("1Table"))};
}

TEST(WrittenDocuments, StructureHoldsTogether) {
    for (const Sample &s : samples().all()) {
        SCOPED_TRACE(s.name);
        const test::CompoundFileContents file = test::readCompoundFile(test::readFile(s.path));
        const test::DocStructure doc = test::checkDocStructure(file.streams.at("WordDocument"),
                                                               file.streams.at("1Table"));
        EXPECT_EQ(doc.nFib, 0x00C1);
        EXPECT_EQ(doc.flags & 0x0204, 0x0200);  // tables in 1Table, not fast-saved
        EXPECT_EQ(doc.ccpText, doc.text.size());
        EXPECT_EQ(file.streams.count("\005SummaryInformation"), s.document.info.title.empty() ? 0u : 1u);
    }
}

TEST(WrittenDocuments, LargeTextSpreadsOverSeveralPagesAndNeedsExtraDifat) {
    const test::DocStructure large = structureOf(samples().named("large")).second;
    EXPECT_GT(large.characterPages, 10u);
    EXPECT_GT(large.paragraphPages, 10u);
    EXPECT_GT(large.text.size() * 2, 64u * 1024);
    EXPECT_GE(structureOf(samples().named("difat")).first, 1u);
}

TEST(WrittenDocuments, SectionsFollowPageSizesAndFarEastFlagsFollowTheText) {
    const test::DocStructure latin = structureOf(samples().named("formatted")).second;
    const test::DocStructure cjk = structureOf(samples().named("cjk")).second;
    EXPECT_EQ(latin.sections, 2u);  // two Letter pages, then an A4 landscape one
    EXPECT_EQ(latin.flags & 0x4000, 0);
    EXPECT_EQ(cjk.sections, 1u);
    EXPECT_EQ(cjk.flags & 0x4000, 0x4000);
    EXPECT_EQ(cjk.lidFE, 0x0804);
}

struct Reader {
    const char *program;
    const char *command;  // each %s is the quoted input path
};

const Reader kReaders[] = {
    {"antiword", "LANG=C.UTF-8 antiword -m UTF-8.txt -w 0 %s"},
    {"catdoc", "catdoc -d utf-8 -w %s"},
    {"wvText", "LANG=C.UTF-8 wvText %s %s.wv.txt >/dev/null 2>&1 && cat %s.wv.txt"},
};

class CommandLineReader : public testing::TestWithParam<Reader> {};

TEST_P(CommandLineReader, GetsTheModelText) {
    const Reader &reader = GetParam();
    if (!test::installed(reader.program))
        GTEST_SKIP() << reader.program << " is not installed";
    for (const Sample &s : samples().all()) {
        SCOPED_TRACE(std::string(reader.program) + " on " + s.name);
        std::string command = reader.command;
        for (size_t at; (at = command.find("%s")) != std::string::npos;)
            command.replace(at, 2, test::quoted(s.path));
        const std::string got = withoutSpace(test::run(command));
        const std::string want = withoutSpace(modelText(s.document));
        EXPECT_EQ(got.size(), want.size());
        EXPECT_TRUE(got == want) << "first difference at byte "
                                 << std::mismatch(got.begin(), got.end(), want.begin(), want.end()).first -
                                        got.begin();
    }
}

INSTANTIATE_TEST_SUITE_P(Readers, CommandLineReader, testing::ValuesIn(kReaders),
                         [](const testing::TestParamInfo<Reader> &info) { return std::string(info.param.program); });

TEST(WrittenDocuments, LibreOfficeGetsTheModelText) {
    if (!test::installed("soffice"))
        GTEST_SKIP() << "LibreOffice is not installed";
    for (const Sample &s : samples().all()) {
        SCOPED_TRACE(s.name);
        const std::string got = withoutSpace(test::readFile(samples().converted(s.name, "txt")));
        EXPECT_TRUE(got == withoutSpace(modelText(s.document)));
    }
}

// The automatic style of the span that holds `text`, as LibreOffice's flat ODT states it.
std::string spanStyle(const std::string &fodt, const std::string &text) {
    const size_t at = fodt.find(">" + text + "</text:span>");
    if (at == std::string::npos)
        return "no span holds '" + text + "'";
    const size_t open = fodt.rfind("<text:span text:style-name=\"", at);
    const size_t nameStart = open + 28, nameEnd = fodt.find('"', nameStart);
    const std::string name = fodt.substr(nameStart, nameEnd - nameStart);
    const size_t style = fodt.find("<style:style style:name=\"" + name + "\"");
    return fodt.substr(style, fodt.find("</style:style>", style) - style);
}

TEST(WrittenDocuments, LibreOfficeKeepsFormattingPagesAndProperties) {
    if (!test::installed("soffice"))
        GTEST_SKIP() << "LibreOffice is not installed";
    const std::string fodt = test::readFile(samples().converted("formatted", "fodt"));
    const std::string bold = spanStyle(fodt, "bold words");
    EXPECT_NE(bold.find("fo:font-weight=\"bold\""), std::string::npos) << bold;
    const std::string italic = spanStyle(fodt, "italic sixteen");
    EXPECT_NE(italic.find("fo:font-style=\"italic\""), std::string::npos) << italic;
    EXPECT_NE(italic.find("fo:font-size=\"16pt\""), std::string::npos) << italic;
    const std::string courier = spanStyle(fodt, "red courier");
    EXPECT_NE(courier.find("style:font-name=\"Courier New\""), std::string::npos) << courier;
    EXPECT_NE(courier.find("fo:color=\"#c00000\""), std::string::npos) << courier;
    EXPECT_NE(fodt.find("fo:page-width=\"8.5in\" fo:page-height=\"11in\""), std::string::npos);
    EXPECT_NE(fodt.find("fo:page-width=\"11.6929in\" fo:page-height=\"8.2681in\""), std::string::npos);
    EXPECT_NE(fodt.find("fo:text-align=\"justify\""), std::string::npos);
    EXPECT_NE(fodt.find("fo:text-align=\"center\""), std::string::npos);
    EXPECT_NE(fodt.find("<dc:title>Quarterly report</dc:title>"), std::string::npos);
    EXPECT_NE(fodt.find("<meta:initial-creator>Li Wei 李伟</meta:initial-creator>"), std::string::npos);
    EXPECT_TRUE(fodt.find("text:style-name=\"Heading_20_1\"") != std::string::npos ||
                fodt.find("style:parent-style-name=\"Heading_20_1\"") != std::string::npos);

    const std::string cjk = test::readFile(samples().converted("cjk", "fodt"));
    EXPECT_NE(cjk.find("style:font-name-asian=\"微软雅黑\""), std::string::npos);
    EXPECT_NE(cjk.find("style:font-name-asian=\"宋体\""), std::string::npos);
    EXPECT_NE(cjk.find("fo:page-width=\"8.2681in\" fo:page-height=\"11.6929in\""), std::string::npos);
}

} // namespace
} // namespace pwt
