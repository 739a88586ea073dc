#include "conversion/base_name.h"
#include "conversion/command_line.h"

#include <gtest/gtest.h>

TEST(BaseName, TakesTheFileNamePartWithoutItsLastExtension) {
    struct Case {
        const char *path;
        const char *withoutExtension;
        const char *withExtension;
    } cases[] = {
        {"C:\\In\\a.b.pdf", "a.b", "a.b.pdf"},
        {"C:\\In\\Report.PDF", "Report", "Report.PDF"},
        {"C:\\In\\notes", "notes", "notes"},
        {"C:\\In\\sub\\", "", ""},
        {"report.pdf", "report", "report.pdf"},
        {"C:\\输入 文件\\报告 一.pdf", "报告 一", "报告 一.pdf"},
        // 0x815C is one GBK character whose trail byte is a backslash.
        {"C:\\In\\notes\x81\x5C", "notes\x81\x5C", "notes\x81\x5C"},
        {"C:\\In\\x\x81\x5C.pdf", "x\x81\x5C", "x\x81\x5C.pdf"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(BaseName(c.path), c.withoutExtension);
        EXPECT_EQ(BaseName(c.path, true), c.withExtension);
    }
}

TEST(FileExtension, KeepsTheDotAndIsEmptyWithoutOne) {
    EXPECT_EQ(FileExtension("C:\\In\\a.b.pdf"), ".pdf");
    EXPECT_EQ(FileExtension("C:\\In.d\\notes"), "");
    EXPECT_EQ(FileExtension("C:\\In\\报告.PDF"), ".PDF");
}

TEST(ConverterCommandLine, QuotesOnlyTheOptionValuesAndKeepsTheFolderAsTyped) {
    struct Case {
        const char *folder, *baseName, *pdf, *line;
    } cases[] = {
        {"D:\\Out", "a.b", "C:\\In\\a.b.pdf",
         "cmd /c C:\\Tools\\pwt.exe --dest=\"D:\\Out\\a.b.doc\" --src=\"C:\\In\\a.b.pdf\""},
        {" D:\\Out ", "a", "C:\\In\\a.pdf",
         "cmd /c C:\\Tools\\pwt.exe --dest=\" D:\\Out \\a.doc\" --src=\"C:\\In\\a.pdf\""},
        {"D:\\输出 目录", "报告 一", "C:\\输入 文件\\报告 一.pdf",
         "cmd /c C:\\Tools\\pwt.exe --dest=\"D:\\输出 目录\\报告 一.doc\" --src=\"C:\\输入 文件\\报告 "
         "一.pdf\""},
        {"D:\\Out", "", "C:\\In\\sub\\",
         "cmd /c C:\\Tools\\pwt.exe --dest=\"D:\\Out\\.doc\" --src=\"C:\\In\\sub\\\""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ConverterCommandLine("C:\\Tools", c.folder, c.baseName, c.pdf), c.line);
}

TEST(InterpreterPrefix, IsCmdOnNtAndCommandComOnEveryOtherPlatform) {
    EXPECT_EQ(InterpreterPrefix(VER_PLATFORM_WIN32_NT), "cmd.exe /c ");
    for (DWORD other : {DWORD{VER_PLATFORM_WIN32s}, DWORD{VER_PLATFORM_WIN32_WINDOWS}, DWORD{3}, DWORD{99}})
        EXPECT_EQ(InterpreterPrefix(other), "command.com /c ") << other;
}
