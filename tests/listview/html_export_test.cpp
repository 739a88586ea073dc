#include "tests/listview/accessor_fixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

class HtmlExport : public AccessorTest {
protected:
    void SetUp() override {
        char folder[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        path = std::string(folder) + "orvanta-export-" + GetParam().name + ".html";
        DeleteFileA(path.c_str());
    }
    void TearDown() override {
        DeleteFileA(path.c_str());
        AccessorTest::TearDown();
    }
    std::string Contents() const {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    void Put(const std::string &bytes) const { std::ofstream(path, std::ios::binary) << bytes; }
    bool Exists() const { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

    std::string path;
};
ON_EVERY_PATH(HtmlExport);

TEST_P(HtmlExport, TheTableLineByLine) {
    MakeTable({"序号", "路径", "状态"}, {{"1", "C:\\a<b&c.pdf", ""}});
    ASSERT_TRUE(accessor.ExportHtml(path, true));
    EXPECT_EQ(Contents(), "<table border=\"1\">\r\n"
                          "  <tr>\r\n"
                          "    <th>序号</th>\r\n"
                          "    <th>路径</th>\r\n"
                          "    <th>状态</th>\r\n"
                          "  </tr>\r\n"
                          "  <tr>\r\n"
                          "    <td>1</td>\r\n"
                          "    <td>C:\\a<b&c.pdf</td>\r\n"
                          "    <td></td>\r\n"
                          "  </tr>\r\n"
                          "</table>\r\n");
    Put(std::string(5000, 'o'));
    ASSERT_TRUE(accessor.ExportHtml(path));
    EXPECT_EQ(Contents(), "<table border=\"1\">\r\n"
                          "  <tr>\r\n"
                          "    <td>1</td>\r\n"
                          "    <td>C:\\a<b&c.pdf</td>\r\n"
                          "    <td></td>\r\n"
                          "  </tr>\r\n"
                          "</table>\r\n")
        << "a longer file is emptied first";
}

TEST_P(HtmlExport, CellsAreReadThroughA1024ByteBuffer) {
    MakeTable({"a"}, {{std::string(2000, 'w')}});
    ASSERT_TRUE(accessor.ExportHtml(path));
    EXPECT_NE(Contents().find("<td>" + std::string(1023, 'w') + "</td>"), std::string::npos);
}

TEST_P(HtmlExport, NothingToWriteLeavesTheFileAlone) {
    MakeTable({"a"}, {});
    EXPECT_FALSE(accessor.ExportHtml(path));
    EXPECT_FALSE(Exists()) << "no file is created for an empty list";
    Put("keep");
    EXPECT_FALSE(accessor.ExportHtml(path, true));
    MakeTable({}, {{"x"}});
    EXPECT_FALSE(accessor.ExportHtml(path)) << "a list without columns";
    EXPECT_EQ(Contents(), "keep");
}

TEST_P(HtmlExport, AHeaderThatCannotBeAskedGivesEmptyRows) {
    MakeTable({"a"}, {{"x"}, {"y"}});
    accessor.GetColumnCount();
    side().Answer(accessor.HeaderWindow, HDM_GETITEMCOUNT, -1);
    ASSERT_TRUE(accessor.ExportHtml(path, true));
    EXPECT_EQ(Contents(), "<table border=\"1\">\r\n  <tr>\r\n  </tr>\r\n  <tr>\r\n  </tr>\r\n</table>\r\n");
}

TEST_P(HtmlExport, AFailingWriteIsReported) {
    MakeTable({"a"}, {{"x"}});
    EXPECT_FALSE(accessor.ExportHtml("C:\\no such folder\\t.html"));
    // Wine's Z: drive reaches /dev/full, which opens but refuses every write for want of space.
    const char *full = "Z:\\dev\\full";
    HANDLE device = CreateFileA(full, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(device, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    EXPECT_FALSE(WriteFile(device, "x", 1, &written, nullptr));
    CloseHandle(device);
    EXPECT_FALSE(accessor.ExportHtml(full));
}

} // namespace
