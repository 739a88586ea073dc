#include "tests/listview/accessor_fixture.h"
#include "tests/listview/message_log.h"

#include <gtest/gtest.h>

namespace {

class ItemInsert : public AccessorTest {};
ON_EVERY_PATH(ItemInsert);

RowRecord Row(const std::string &text, std::vector<std::string> subTexts, std::vector<int> subImages) {
    RowRecord row;
    row.Text = text;
    row.SubItemTexts = std::move(subTexts);
    row.SubItemImages = std::move(subImages);
    return row;
}

TEST_P(ItemInsert, InsertItemPositions) {
    HWND list = MakeTable({"a"}, {{"0"}, {"1"}, {"2"}});
    EXPECT_EQ(accessor.InsertItem(), 3);
    EXPECT_EQ(accessor.InsertItem(-1, "end"), 4);
    EXPECT_EQ(accessor.InsertItem(0, "front"), 0);
    EXPECT_EQ(accessor.InsertItem(99, "beyond"), 6) << "the control appends";
    EXPECT_EQ(side().Texts(list), "front|0|1|2||end|beyond|");
}

TEST_P(ItemInsert, InsertItemIntoASortedList) {
    MakeTable({"a"}, {{"a"}, {"c"}}, LVS_REPORT | LVS_SORTASCENDING);
    EXPECT_EQ(accessor.InsertItem(-1, "b"), 1) << "the place the sort gave it";
}

// Wine's check-box lists untick every item they insert, so the state images are read from a plain list.
TEST_P(ItemInsert, InsertItemCarriesItsAttributes) {
    HWND list = MakeTable({"a"}, {});
    accessor.InsertItem(-1, "ticked", 4, 1, 2, 99);
    accessor.InsertItem(-1, "plain", 0, 0);
    EXPECT_EQ(accessor.GetStateImageIndex(0), 1);
    EXPECT_EQ(accessor.GetItemIndent(0), 2);
    EXPECT_EQ(accessor.GetItemParam(0), 99);
    EXPECT_EQ(accessor.GetItemImage(0), 4);
    EXPECT_EQ(accessor.GetStateImageIndex(1), 0);
    EXPECT_EQ(side().Dump(list), "ticked,4;2000;99;2|plain,0;1000;0;0|");
}

TEST_P(ItemInsert, InsertRowsAtTheEndOrAtAStart) {
    HWND list = MakeTable({"a", "b"}, {{"x", "x1"}, {"y", "y1"}});
    const RowArray rows{Row("r1", {"s1"}, {}), Row("r2", {"s2"}, {}), Row("r3", {"s3"}, {})};
    accessor.InsertRows(rows);
    EXPECT_EQ(side().Texts(list), "x,x1|y,y1|r1,s1|r2,s2|r3,s3|");
    accessor.InsertRows(rows, 0);
    EXPECT_EQ(side().Texts(list), "r1,s1|r2,s2|r3,s3|x,x1|y,y1|r1,s1|r2,s2|r3,s3|");
}

TEST_P(ItemInsert, InsertRowsSortsACopyAndAppliesEveryField) {
    HWND list = MakeTable({"a", "b", "c", "d"}, {}, LVS_REPORT, LVS_EX_SUBITEMIMAGES);
    RowArray rows{Row("b", {"t1", "t2", "t3"}, {5}), Row("a", {}, {6, 7})};
    rows[0].StateImage = 1;
    rows[0].Indent = 3;
    rows[0].Param = 11;
    rows[1].StateImage = 0;
    rows[1].Image = 2;
    const RowArray original = rows;
    accessor.InsertRows(rows, -1, 1);
    EXPECT_EQ(rows.size(), original.size());
    EXPECT_EQ(rows[0].Text, "b") << "the caller's array is not sorted";
    EXPECT_EQ(side().Texts(list), "a,,,|b,t1,t2,t3|");
    EXPECT_EQ(accessor.GetItemImage(0), 2);
    EXPECT_EQ(accessor.GetItemImage(0, 1), 6);
    EXPECT_EQ(accessor.GetItemImage(0, 2), 7);
    EXPECT_EQ(accessor.GetItemImage(1, 1), 5);
    EXPECT_EQ(accessor.GetStateImageIndex(0), 0);
    EXPECT_EQ(accessor.GetStateImageIndex(1), 1);
    EXPECT_EQ(accessor.GetItemIndent(1), 3);
    EXPECT_EQ(accessor.GetItemParam(1), 11);
}

// The sub-items go to start + i, not to where a sorted list put the item.
TEST_P(ItemInsert, InsertRowsSetsSubItemsOnThePlannedRow) {
    HWND list = MakeTable({"a", "b"}, {{"m", "m1"}}, LVS_REPORT | LVS_SORTASCENDING);
    accessor.InsertRows({Row("a", {"a1"}, {})});
    EXPECT_EQ(side().Texts(list), "a,|m,a1|");
}

TEST_P(ItemInsert, InsertRowsSuspendsDrawingEvenForNoRows) {
    HWND list = MakeTable({"a"}, {});
    if (GetParam().hostProcess)
        GTEST_SKIP() << "the messages are watched in the test process";
    MessageLog log(list, {WM_SETREDRAW});
    accessor.InsertRows({});
    const std::vector<MessageLog::Entry> expected{{WM_SETREDRAW, FALSE, 0}, {WM_SETREDRAW, TRUE, 0}};
    EXPECT_EQ(log.entries, expected);
    EXPECT_EQ(accessor.GetItemCount(), 0);
}

} // namespace
