#include "tests/listview/accessor_fixture.h"

#include <gtest/gtest.h>

namespace {

class Columns : public AccessorTest {};
ON_EVERY_PATH(Columns);

TEST_P(Columns, InsertColumnDefaults) {
    HWND list = MakeTable({"序号", "路径", "状态"}, {});
    EXPECT_EQ(accessor.GetColumnCount(), 3);
    EXPECT_EQ(accessor.HeaderWindow, reinterpret_cast<HWND>(side().Send(list, LVM_GETHEADER, 0, 0)));
    EXPECT_EQ(accessor.InsertColumn(), 3);
    EXPECT_EQ(accessor.GetColumnWidth(3), 50);
    EXPECT_EQ(accessor.GetColumnAlignment(3), 0);
    EXPECT_FALSE(accessor.IsColumnImageOnRight(3));
    EXPECT_EQ(accessor.GetColumnText(3), "");
    EXPECT_EQ(accessor.InsertColumn(-1, "末"), 4);
    EXPECT_EQ(accessor.InsertColumn(0, "首", 0), 0);
    EXPECT_EQ(accessor.GetColumnWidth(0), 0) << "50 only when the width is omitted";
    EXPECT_EQ(accessor.GetColumnText(0), "首");
    EXPECT_EQ(accessor.GetColumnText(1), "序号");
    EXPECT_EQ(accessor.GetColumnText(5), "末");
    EXPECT_EQ(accessor.GetColumnCount(), 6);
}

TEST_P(Columns, AlignmentImagesAndTheirSide) {
    MakeTable({"a"}, {});
    const int alignments[][2] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-7, 0}};
    for (const auto &alignment : alignments) {
        const int column = accessor.InsertColumn(-1, "c", 40, alignment[0]);
        EXPECT_EQ(accessor.GetColumnAlignment(column), alignment[1]) << "code " << alignment[0];
    }
    const int pictured = accessor.InsertColumn(-1, "p", 60, 2, 3, true);
    EXPECT_EQ(accessor.GetColumnImage(pictured), 3);
    EXPECT_TRUE(accessor.IsColumnImageOnRight(pictured));
    EXPECT_EQ(accessor.GetColumnAlignment(pictured), 2);
    accessor.SetColumnImage(pictured, 1);
    EXPECT_EQ(accessor.GetColumnImage(pictured), 1);
}

TEST_P(Columns, ChangesAndDeletion) {
    MakeTable({"a", "b"}, {});
    EXPECT_TRUE(accessor.SetColumnText(1, "新"));
    EXPECT_EQ(accessor.GetColumnText(1), "新");
    EXPECT_FALSE(accessor.SetColumnText(5, "x"));
    const std::string caption(300, 'c');
    accessor.SetColumnText(0, caption);
    EXPECT_EQ(accessor.GetColumnText(0), caption.substr(0, 259));
    accessor.SetColumnWidth(1, 123);
    EXPECT_EQ(accessor.GetColumnWidth(1), 123);
    accessor.DeleteColumn(0);
    EXPECT_EQ(accessor.GetColumnCount(), 1);
    EXPECT_EQ(accessor.GetColumnText(0), "新");
}

TEST_P(Columns, QueriesBeyondTheLastColumnFail) {
    MakeTable({"a", "b"}, {});
    EXPECT_EQ(accessor.GetColumnText(2), "");
    EXPECT_EQ(accessor.GetColumnAlignment(2), -1);
    EXPECT_EQ(accessor.GetColumnImage(2), -1);
    EXPECT_EQ(accessor.GetColumnWidth(2), 0);
    EXPECT_FALSE(accessor.IsColumnImageOnRight(2));
    EXPECT_EQ(broker->reserved > 0, remote()) << "only the remote path stages blocks";
}

} // namespace
