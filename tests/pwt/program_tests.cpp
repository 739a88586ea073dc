// The program as the front end sees it: silent on success, one line and a known exit code on failure,
// and never a half-written or lost document.
#include "program_runner.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pwt {
namespace {

using test::runPwt;
using test::TempFolder;

size_t lineCount(const std::string &s) { return size_t(std::count(s.begin(), s.end(), '\n')); }

class Program : public testing::Test {
protected:
    void SetUp() override {
        pdf_ = folder_.path() + "/input.pdf";
        test::writeFile(pdf_, test::simplePdf({"Hello from the converter", "Second line"}, "A title"));
    }

    std::string at(const std::string &name) const { return folder_.path() + "/" + name; }

    TempFolder folder_;
    std::string pdf_;
};

TEST_F(Program, ConvertsSilentlyToEitherFormat) {
    for (const char *name : {"out.doc", "out.txt", "OUT.DOC"}) {
        SCOPED_TRACE(name);
        const test::ProgramResult r = runPwt({"--dest=" + at(name), "--src=" + pdf_});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "");
    }
    EXPECT_EQ(folder_.entries(), (std::vector<std::string>{"OUT.DOC", "input.pdf", "out.doc", "out.txt"}));
    EXPECT_NE(test::readFile(at("out.txt")).find("Hello from the converter"), std::string::npos);
    EXPECT_EQ(test::readFile(at("out.doc")).compare(0, 8, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"), 0);
    if (test::installed("antiword")) {
        const std::string command = "antiword " + test::quoted(at("out.doc")) + " > " + test::quoted(at("a"));
        ASSERT_EQ(std::system(command.c_str()), 0);
        EXPECT_NE(test::readFile(at("a")).find("Hello from the converter"), std::string::npos);
    }
}

TEST_F(Program, ReplacesAnExistingDestinationOnSuccess) {
    test::writeFile(at("out.doc"), "old contents");
    const test::ProgramResult r = runPwt({"--src=" + pdf_, "--dest=" + at("out.doc")});  // either order
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(test::readFile(at("out.doc")).compare(0, 4, "\xD0\xCF\x11\xE0"), 0);
}

TEST_F(Program, RecoveredDamageStaysQuietUnlessVerbose) {
    std::string damaged = test::simplePdf({"Damaged but readable"});
    const size_t startxref = damaged.rfind("startxref\n");
    damaged.replace(startxref + 10, damaged.find('\n', startxref + 10) - startxref - 10, "999");  // a wrong offset
    test::writeFile(pdf_, damaged);

    const test::ProgramResult quiet = runPwt({"--dest=" + at("out.txt"), "--src=" + pdf_});
    EXPECT_EQ(quiet.exitCode, 0);
    EXPECT_EQ(quiet.err, "");
    EXPECT_NE(test::readFile(at("out.txt")).find("Damaged but readable"), std::string::npos);

    const test::ProgramResult verbose = runPwt({"--dest=" + at("out.txt"), "--src=" + pdf_, "--verbose"});
    EXPECT_EQ(verbose.exitCode, 0);
    EXPECT_NE(verbose.err.find("pwt: warning: "), std::string::npos) << verbose.err;
}

struct Failure {
    const char *what;
    std::vector<std::string> args;  // {dir} is the test folder, {pdf} a readable PDF
    int exitCode;
    const char *mentions;           // in the error line
};

class ProgramFailure : public testing::TestWithParam<Failure> {};

TEST_P(ProgramFailure, PrintsOneLineKeepsTheDestinationAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const std::string pdf = folder.path() + "/input.pdf";
    test::writeFile(pdf, test::simplePdf({"Some text"}));
    test::writeFile(folder.path() + "/garbage.pdf", "this is not a PDF file at all\n");
    test::writeFile(folder.path() + "/existing.doc", "precious");
    // A folder named like a destination, so that the last step, the rename, fails.
    ASSERT_EQ(std::system(("mkdir " + test::quoted(folder.path() + "/sub.doc")).c_str()), 0);
    std::vector<std::string> args;
    for (std::string a : GetParam().args) {
        for (const auto &[key, value] : {std::pair<std::string, std::string>{"{dir}", folder.path()},
                                         {"{pdf}", pdf}})
            for (size_t p; (p = a.find(key)) != std::string::npos;)
                a.replace(p, key.size(), value);
        args.push_back(a);
    }
    const std::vector<std::string> before = folder.entries();

    const test::ProgramResult r = runPwt(args);
    EXPECT_EQ(r.exitCode, GetParam().exitCode);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(lineCount(r.err), 1u) << r.err;
    EXPECT_EQ(r.err.rfind("pwt: ", 0), 0u) << r.err;
    std::string mentions = GetParam().mentions;
    const size_t dir = mentions.find("{dir}");
    if (dir != std::string::npos)
        mentions.replace(dir, 5, folder.path());
    EXPECT_NE(r.err.find(mentions), std::string::npos) << r.err;
    EXPECT_EQ(test::readFile(folder.path() + "/existing.doc"), "precious");
    EXPECT_EQ(folder.entries(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramFailure,
    testing::Values(
        Failure{"unreadable PDF", {"--dest={dir}/existing.doc", "--src={dir}/garbage.pdf"}, 1, "garbage.pdf"},
        Failure{"missing PDF", {"--dest={dir}/existing.doc", "--src={dir}/absent.pdf"}, 1, "absent.pdf"},
        Failure{"missing folder", {"--dest={dir}/no/such/out.doc", "--src={pdf}"}, 2, "{dir}/no/such"},
        Failure{"unwritable folder", {"--dest=/proc/out.doc", "--src={pdf}"}, 2, "/proc"},
        Failure{"destination is a folder", {"--dest={dir}/sub.doc", "--src={pdf}"}, 2, "sub.doc"},
        Failure{"unknown extension", {"--dest={dir}/existing.pdf", "--src={pdf}"}, 99, ".doc or .txt"},
        Failure{"no extension", {"--dest={dir}/existing", "--src={pdf}"}, 99, ".doc or .txt"},
        Failure{"missing source", {"--dest={dir}/existing.doc"}, 99, "--src"},
        Failure{"missing destination", {"--src={pdf}"}, 99, "--dest"},
        Failure{"unknown option", {"--dest={dir}/existing.doc", "--src={pdf}", "--fast"}, 99, "--fast"}),
    [](const testing::TestParamInfo<Failure> &info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(ProgramNeedsPassword, ExitsWithThreeAndWritesNothing) {
    const std::string pdf = std::string(PWT_CORPUS) + "/pdf/D05-user-password.pdf";
    if (test::readFile(pdf).empty())
        GTEST_SKIP() << "the corpus is not beside the project";
    TempFolder folder;
    const test::ProgramResult r = runPwt({"--dest=" + folder.path() + "/out.doc", "--src=" + pdf});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(lineCount(r.err), 1u) << r.err;
    EXPECT_NE(r.err.find("password"), std::string::npos) << r.err;
    EXPECT_TRUE(folder.entries().empty());
}

TEST(ProgramForPeople, HelpAndVersionGoToStandardOutput) {
    const test::ProgramResult help = runPwt({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--dest="), std::string::npos);
    EXPECT_NE(help.out.find("--src="), std::string::npos);
    EXPECT_EQ(help.err, "");
    const test::ProgramResult version = runPwt({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("pwt ", 0), 0u);
    EXPECT_EQ(lineCount(version.out), 1u);
}

} // namespace
} // namespace pwt
