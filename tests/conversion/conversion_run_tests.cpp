#include "conversion/conversion_run.h"

#include "app/globals.h"
#include "converter_folder.h"
#include "file_list_window.h"
#include "watchdog.h"

#include <gtest/gtest.h>

namespace {

int NoticesOpened = 0;
void CountNotice() { ++NoticesOpened; }

class ConversionRunTest : public testing::Test {
protected:
    void SetUp() override {
        InitGlobals();
        NoticesOpened = 0;
    }
    void TearDown() override { ReleaseGlobals(); }

    void Convert(const ConverterFolder &converter) {
        ConvertListedFiles(window.List(), window.FolderBox(), converter.Path(), CountNotice);
    }

    // What pwt.exe should be started with for one row.
    static std::string Call(const ConverterFolder &converter, const std::string &dest,
                            const std::string &src) {
        return converter.Converter() + " --dest=\"" + dest + "\" --src=\"" + src + "\"";
    }

    Watchdog watchdog{120};
    FileListWindow window;
};

TEST_F(ConversionRunTest, EmptyListWithAFolderConvertsNothingAndShowsNothing) {
    ConverterFolder converter("silent");
    window.SetFolder("D:\\Out");
    Convert(converter);
    EXPECT_TRUE(converter.Calls().empty());
    EXPECT_EQ(NoticesOpened, 0);
    EXPECT_EQ(window.RowCount(), 0);
}

TEST_F(ConversionRunTest, FolderOfSpacesOpensTheNoticeAndTouchesNoRow) {
    ConverterFolder converter("silent");
    window.AddRow("C:\\In\\a.pdf");
    for (const char *folder : {"", " ", "　", "  　 　"}) {
        SCOPED_TRACE(folder);
        NoticesOpened = 0;
        window.SetFolder(folder);
        Convert(converter);
        EXPECT_EQ(NoticesOpened, 1);
        EXPECT_EQ(window.Status(0), "");
    }
    EXPECT_TRUE(converter.Calls().empty());
}

TEST_F(ConversionRunTest, ConverterReceivesEachRowsCommandLineWithTheFolderAsTyped) {
    ConverterFolder converter("silent");
    const std::string folder = " D:\\输出 目录　 ";
    window.SetFolder(folder);
    window.AddRow("C:\\In\\a.b.pdf");
    window.AddRow("C:\\输入 文件\\报告 一.pdf");
    window.AddRow("C:\\In\\notes");
    Convert(converter);
    std::vector<std::string> expected = {
        Call(converter, folder + "\\a.b.doc", "C:\\In\\a.b.pdf"),
        Call(converter, folder + "\\报告 一.doc", "C:\\输入 文件\\报告 一.pdf"),
        Call(converter, folder + "\\notes.doc", "C:\\In\\notes"),
    };
    EXPECT_EQ(converter.Calls(), expected);
    EXPECT_EQ(NoticesOpened, 0);
}

TEST_F(ConversionRunTest, StartButtonRunsThePwtBesideTheProgram) {
    ConverterFolder converter("silent", ConverterFolder::Place::BesideTestProgram);
    window.SetFolder("D:\\Out");
    window.AddRow("C:\\In\\a.pdf");
    ConversionRun(window.List(), window.FolderBox());
    std::vector<std::string> expected = {Call(converter, "D:\\Out\\a.doc", "C:\\In\\a.pdf")};
    EXPECT_EQ(converter.Calls(), expected);
    EXPECT_EQ(window.Status(0), "转换成功");
}

TEST_F(ConversionRunTest, EachRowShowsWhetherItsCommandPrintedAnything) {
    struct Case {
        const char *standIn;
        const char *status;
    } cases[] = {
        {"silent", "转换成功"},
        {"exits_259", "转换成功"},
        {"prints_to_stderr", "转换失败"},
        {"prints_before_exit", "转换失败"},
        {nullptr, "转换失败"}, // no pwt.exe: the interpreter's message is the output
    };
    window.SetFolder("D:\\Out");
    window.AddRow("C:\\In\\a.pdf");
    window.AddRow("C:\\In\\b.pdf");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.standIn ? c.standIn : "missing pwt.exe");
        ConverterFolder converter(c.standIn);
        Convert(converter);
        EXPECT_EQ(window.Status(0), c.status);
        EXPECT_EQ(window.Status(1), c.status);
    }
}

// The actions below run inside the runner's message dispatch while the first row's command sleeps.
class DuringARun : public ConversionRunTest {
protected:
    void SetUp() override {
        ConversionRunTest::SetUp();
        window.SetFolder("D:\\Out");
        window.AddRow("C:\\In\\a.pdf");
        window.AddRow("C:\\In\\b.pdf");
    }

    ConverterFolder converter{"sleeper"};
};

TEST_F(DuringARun, StatusReadsConvertingWhileTheCommandRuns) {
    std::string first, second;
    window.PostAction([&] {
        first = window.Status(0);
        second = window.Status(1);
    });
    Convert(converter);
    EXPECT_EQ(first, "转换中，请等待");
    EXPECT_EQ(second, "");
    EXPECT_EQ(window.Status(0), "转换成功");
    EXPECT_EQ(window.Status(1), "转换成功");
}

TEST_F(DuringARun, SecondClickStartsNoSecondRun) {
    std::string secondRowAfterClick = "unset";
    window.PostAction([&] {
        Convert(converter);
        secondRowAfterClick = window.Status(1);
    });
    Convert(converter);
    EXPECT_EQ(secondRowAfterClick, "");
    EXPECT_EQ(converter.Calls().size(), 2u);
    EXPECT_EQ(window.Status(1), "转换成功");
}

TEST_F(DuringARun, AddedRowWaitsForTheNextRun) {
    window.PostAction([&] { window.AddRow("C:\\In\\late.pdf"); });
    Convert(converter);
    EXPECT_EQ(converter.Calls().size(), 2u);
    EXPECT_EQ(window.Status(2), "");
}

TEST_F(DuringARun, FolderChangeAppliesFromTheNextRow) {
    window.PostAction([&] { window.SetFolder("E:\\Later"); });
    Convert(converter);
    std::vector<std::string> expected = {Call(converter, "D:\\Out\\a.doc", "C:\\In\\a.pdf"),
                                         Call(converter, "E:\\Later\\b.doc", "C:\\In\\b.pdf")};
    EXPECT_EQ(converter.Calls(), expected);
}

TEST_F(DuringARun, ClosedWindowEndsTheRunAfterTheCurrentRow) {
    window.PostAction([&] { DestroyWindow(window.Window()); });
    Convert(converter);
    EXPECT_EQ(converter.Calls().size(), 1u);
}

} // namespace
