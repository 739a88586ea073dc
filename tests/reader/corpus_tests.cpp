// The development corpus beside the project: each file converts at least as well as its floor, measured
// against pdftotext's text by the corpus' own similarity script. Skipped where the corpus or python3 is
// missing (the Windows build under Wine, machines without ../shared).
#include "pdf_builder.h"

#include "model/error.h"
#include "text/text_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

namespace pwt::test {
namespace {

const std::string kCorpus = PWT_CORPUS_DIR;

bool exists(const std::string &path) { return std::ifstream(path).good(); }

// Runs textsim.py and returns its similarity, or -1 when it cannot run.
double similarity(const std::string &reference, const std::string &candidate) {
#ifdef _WIN32
    (void)reference;
    (void)candidate;
    return -1;
#else
    std::string command = "python3 '" + kCorpus + "/textsim.py' --json '" + reference + "' '" + candidate + "'";
    std::unique_ptr<FILE, int (*)(FILE *)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        return -1;
    std::string output;
    char buffer[512];
    while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe.get()))
        output.append(buffer, n);
    size_t key = output.find("\"similarity\":");
    return key == std::string::npos ? -1 : std::atof(output.c_str() + key + 13);
#endif
}

struct Floor {
    const char *name;
    double similarity;
};

// Each a little under what the reader reached when it was last tuned (scripts/corpus-scores prints them).
// pdftotext's own order holds D02, D03 and D12 down: it reads D02's footnotes inside the table above them,
// puts the head of D03's second column before the first, and interleaves D12's columns.
// ReadingOrderOfTheManifest checks the order those files have on the page.
const Floor kFloors[] = {
    {"D01-libreoffice-writer-trivial", 0.99}, {"D02-google-doc", 0.79},        {"D03-multicolumn", 0.82},
    {"D07-GeoTopo", 0.87},                    {"D08-pdflatex-image", 0.99},    {"D09-pdflatex-forms", 0.99},
    {"D10-maint-guide.zh-tw", 0.98},          {"D11-xeCJK", 0.96},             {"D12-octave-refcard-a4", 0.45},
    {"D13-developers-reference", 0.98},       {"D14-install.zh_CN", 0.98},     {"D15-maint-guide.en.encrypted", 0.98},
};

class Corpus : public testing::Test {
protected:
    void SetUp() override {
#ifdef _WIN32
        GTEST_SKIP() << "the corpus runs in the native build";
#endif
        if (!exists(kCorpus + "/MANIFEST.tsv"))
            GTEST_SKIP() << "no corpus at " << kCorpus;
    }
    static std::string pdf(const std::string &name) { return kCorpus + "/pdf/" + name + ".pdf"; }
};

TEST_F(Corpus, EachFileReachesItsFloor) {
    if (std::system("python3 -c pass > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "python3 is missing";
    for (const Floor &f : kFloors) {
        std::string out = testing::TempDir() + "reader-corpus-" + f.name + ".txt";
        {
            std::ofstream text(out, std::ios::binary);
            writeText(readTestPdf(pdf(f.name)), text);
        }
        EXPECT_GE(similarity(kCorpus + "/reference/" + f.name + ".txt", out), f.similarity) << f.name;
    }
}

TEST_F(Corpus, PasswordAndDamage) {
    try {
        readTestPdf(pdf("D05-user-password"));
        ADD_FAILURE() << "D05 opened without its password";
    } catch (const ConversionError &e) {
        EXPECT_EQ(e.code(), ExitPasswordNeeded);
    }
    for (const char *name : {"D06-broken-xref-metadata", "D16-maint-guide.zh-tw.truncated"}) {
        try {
            readTestPdf(pdf(name));
        } catch (const ConversionError &e) {
            EXPECT_EQ(e.code(), ExitCannotRead) << name;
        }
    }
}

// Texts that must appear in this order.
void expectInOrder(const std::string &text, std::initializer_list<const char *> parts, const char *name) {
    size_t at = 0;
    for (const char *part : parts) {
        size_t found = text.find(part, at);
        ASSERT_NE(found, std::string::npos) << name << ": \"" << part << "\" is missing or out of order";
        at = found + std::strlen(part);
    }
}

TEST_F(Corpus, ReadingOrderOfTheManifest) {
    auto textOf = [&](const char *name) {
        std::ostringstream text;
        writeText(readTestPdf(pdf(name)), text);
        return text.str();
    };
    // The first column, then the second, whose first paragraph goes on from the foot of the first.
    expectInOrder(textOf("D03-multicolumn"),
                  {"Abstract", "This is a sample document", "Vivamus viverra fermentum felis. Donec nonummy "
                                                            "pellentesque ante."},
                  "D03");
    // Page 1 of the reference card, column by column.
    expectInOrder(textOf("D12-octave-refcard-a4"),
                  {"Starting Octave", "Stopping Octave", "Getting Help", "Motion in Info", "Searching in Info",
                   "Inserting or Changing Text", "Killing and Yanking", "Command Completion and History",
                   "Shell Commands", "Multi-dimensional Arrays", "Sparse Matrices", "Ranges",
                   "Selected Built-in Functions"},
                  "D12");
    // The table's last cell, then the footnotes under it.
    expectInOrder(textOf("D02-google-doc"), {"Population", "453", "2021 estimate", "2020 estimate"}, "D02");
}

TEST_F(Corpus, RightToLeftInLogicalOrder) {
    // pdftotext's reference keeps the glyphs' visual order; the model carries what a reader reads.
    std::ostringstream text;
    writeText(readTestPdf(pdf("D04-habibi-rotated")), text);
    EXPECT_NE(text.str().find("\u062D\u064E\u0628\u064A\u0628\u064A"), std::string::npos);
    EXPECT_NE(text.str().find("habibi"), std::string::npos);
}

} // namespace
} // namespace pwt::test
