#include "choosers/open_dialog_text.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(DialogFilter, BarsBecomeNulsAndTwoNulsEndIt) {
    EXPECT_EQ(DialogFilter("pdf文件|*.pdf"), "pdf文件\0*.pdf\0\0"s);
    EXPECT_EQ(DialogFilter("PDF|*.pdf|All|*.*"), "PDF\0*.pdf\0All\0*.*\0\0"s);
}

TEST(ChosenPaths, ReadsBothBufferForms) {
    struct Case {
        const char *what;
        std::string buffer;
        std::string paths;
    } cases[] = {
        {"one file", "C:\\docs\\a.pdf\0\0\0\0"s, "C:\\docs\\a.pdf"},
        {"one file, no NUL pair", "C:\\a.pdf\0"s, "C:\\a.pdf"},
        {"several files", "C:\\docs\0a.pdf\0b b.pdf\0c.pdf\0\0\0\0"s,
         "C:\\docs\\a.pdf\r\nC:\\docs\\b b.pdf\r\nC:\\docs\\c.pdf"},
        {"several in a drive root", "C:\\\0a.pdf\0b.pdf\0\0"s, "C:\\a.pdf\r\nC:\\b.pdf"},
        {"GBK names", "D:\\中文\0表 一.pdf\0文件.pdf\0\0"s, "D:\\中文\\表 一.pdf\r\nD:\\中文\\文件.pdf"},
        // The last character's trail byte is 0x5C, which is not a backslash of its own.
        {"folder name ending in 淺", "D:\\深淺\0a.pdf\0b.pdf\0\0"s, "D:\\深淺\\a.pdf\r\nD:\\深淺\\b.pdf"},
        {"bytes after the NUL pair are not read", "C:\\d\0a.pdf\0\0stale.pdf\0\0"s, "C:\\d\\a.pdf"},
        {"nothing chosen", std::string(16, '\0'), ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ChosenPaths(c.buffer), c.paths) << c.what;
}

TEST(ChosenPaths, BufferFilledToItsLastByte) {
    constexpr size_t size = 98192;
    const std::string directory = "C:\\many";
    std::string buffer = directory + '\0';
    std::string expected;
    for (int i = 0; buffer.size() + 12 < size; ++i) {
        std::string name = std::to_string(100000 + i) + ".pdf";
        buffer += name + '\0';
        expected += (i ? "\r\n" : "") + directory + "\\" + name;
    }
    // Stretch the last name so that its NUL and the closing NUL are the buffer's last two bytes.
    std::string padding(size - 1 - buffer.size(), 'x');
    buffer.insert(buffer.size() - 5, padding);
    expected.insert(expected.size() - 4, padding);
    buffer += '\0';
    ASSERT_EQ(buffer.size(), size);
    EXPECT_TRUE(ChosenPaths(buffer) == expected); // a mismatch would print 98 KB

    std::string onePath = "C:\\" + std::string(size - 4, 'p') + '\0';
    ASSERT_EQ(onePath.size(), size);
    EXPECT_TRUE(ChosenPaths(onePath) == onePath.substr(0, size - 1));
}

TEST(SplitLines, SplitsAtCrLfOnly) {
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_EQ(SplitLines("C:\\a.pdf"), std::vector<std::string>{"C:\\a.pdf"});
    EXPECT_EQ(SplitLines("a\r\nb c\r\n\xA1\xA1"), (std::vector<std::string>{"a", "b c", "\xA1\xA1"}));
    EXPECT_EQ(SplitLines("a\nb\r"), std::vector<std::string>{"a\nb\r"});
}
