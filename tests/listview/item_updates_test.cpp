#include "tests/listview/accessor_fixture.h"

#include <gtest/gtest.h>

namespace {

class ItemUpdates : public AccessorTest {};
ON_EVERY_PATH(ItemUpdates);

TEST_P(ItemUpdates, SettersChangeTheNamedItemOnly) {
    HWND list = MakeTable({"a", "b"}, {{"x", "x1"}, {"y", "y1"}});
    accessor.SetItemText(1, 1, "新的");
    accessor.SetItemText(0);
    accessor.SetItemImage(1, 0, 5);
    accessor.SetItemIndent(1, 3);
    accessor.SetItemParam(1, -42);
    accessor.SetItemText(0, 3, "nowhere");
    EXPECT_EQ(side().Dump(list), ",x1,0;0;0;0|y,新的,5;0;-42;3|");
}

TEST_P(ItemUpdates, StateImagesSetAndRemoved) {
    MakeTable({"a"}, {{"x"}, {"y"}}, LVS_REPORT, LVS_EX_CHECKBOXES);
    accessor.SetStateImageIndex(0, 1);
    EXPECT_EQ(accessor.GetStateImageIndex(0), 1);
    accessor.SetStateImageIndex(0, 0);
    EXPECT_EQ(accessor.GetStateImageIndex(0), 0);
    accessor.SetStateImageIndex(1);
    EXPECT_EQ(accessor.GetStateImageIndex(1), -1);
}

TEST_P(ItemUpdates, SelectAndDeselectLeaveTheOtherStateBits) {
    HWND list = MakeTable({"a"}, {{"x"}, {"y"}}, LVS_REPORT, LVS_EX_CHECKBOXES);
    side().Item(list, 0, 0, 1, 0, 0);
    side().Select(list, 0); // also focused
    accessor.DeselectItem(0);
    EXPECT_FALSE(accessor.IsSelected(0));
    EXPECT_EQ(side().Dump(list), "x,0;2001;0;0|y,0;1000;0;0|") << "ticked and focused, not selected";
    accessor.SelectItem(1);
    EXPECT_TRUE(accessor.IsSelected(1));
    EXPECT_EQ(accessor.GetStateImageIndex(1), 0);
}

// Locally the LVM_SETITEMSTATE of item -1 reaches every item; the remote path's LVM_SETITEMA names none.
TEST_P(ItemUpdates, ItemMinusOneIsEveryItemLocallyAndNoneRemotely) {
    HWND list = MakeTable({"a"}, {{"x"}, {"y"}}, LVS_REPORT, LVS_EX_CHECKBOXES);
    side().Select(list, 0);
    side().Select(list, 1);
    accessor.DeselectItem(-1);
    accessor.SetStateImageIndex(-1, 1);
    const int expected = remote() ? 2 : 0;
    EXPECT_EQ(accessor.GetSelectedCount(), expected);
    EXPECT_EQ(accessor.GetStateImageIndex(1), remote() ? 0 : 1);
}

} // namespace
