#include "app/file_list.h"

#include "listview/list_view_accessor.h"
#include "tests/listview/list_sides.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

class FileList : public testing::Test {
protected:
    void SetUp() override {
        CreateFileListAccessor();
        list = lists.List(LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS);
        for (const char *caption : {"序号", "路径", "状态"})
            lists.Column(list, 100, caption);
        BindFileList(list);
    }
    void TearDown() override {
        DestroyFileListAccessor();
        lists.Destroy(list);
    }
    void Fill(int rows) {
        for (int i = 1; i <= rows; ++i)
            lists.Row(list,
                      {std::to_string(i), "C:\\p" + std::to_string(i) + ".pdf", i == 3 ? "转换成功" : ""});
    }

    ListSide &lists = OwnProcessLists();
    HWND list = nullptr;
};

TEST_F(FileList, DeletingARowRenumbersTheRestAndKeepsTheirOtherColumns) {
    Fill(4);
    lists.Select(list, 1);
    DeleteSelectedFile(list);
    EXPECT_EQ(lists.Texts(list), "1,C:\\p1.pdf,|2,C:\\p3.pdf,转换成功|3,C:\\p4.pdf,|");
}

TEST_F(FileList, WithoutASelectionNothingChanges) {
    Fill(3);
    const std::string before = lists.Texts(list);
    DeleteSelectedFile(list);
    EXPECT_EQ(lists.Texts(list), before);
}

TEST_F(FileList, DeletingTheOnlyRowLeavesAnEmptyList) {
    Fill(1);
    lists.Select(list, 0);
    DeleteSelectedFile(list);
    EXPECT_EQ(lists.Texts(list), "");
}

TEST(FileListAccessor, IsCreatedUnboundAndBoundLocallyToItsList) {
    CreateFileListAccessor();
    ASSERT_NE(FileListAccessor, nullptr);
    EXPECT_EQ(FileListAccessor->Window, nullptr);
    EXPECT_EQ(FileListAccessor->Process, nullptr);
    DestroyFileListAccessor(); // never bound: nothing to close
    EXPECT_EQ(FileListAccessor, nullptr);
}

} // namespace
