#include "tests/listview/accessor_fixture.h"

#include <gtest/gtest.h>

namespace {

class ItemNavigation : public AccessorTest {};
ON_EVERY_PATH(ItemNavigation);

TEST_P(ItemNavigation, DeletionAndTheFirstSelected) {
    HWND list = MakeTable({"a"}, {{"0"}, {"1"}, {"2"}, {"3"}, {"4"}, {"5"}});
    EXPECT_EQ(accessor.GetFirstSelected(), -1);
    accessor.DeleteItem(-1);
    EXPECT_EQ(accessor.GetItemCount(), 6) << "-1, the index of no selection, deletes nothing";
    accessor.DeleteItem(5);
    EXPECT_EQ(side().Dump(list), "0,0;0;0;0|1,0;0;0;0|2,0;0;0;0|3,0;0;0;0|4,0;0;0;0|");
    side().Select(list, 4);
    side().Select(list, 2);
    EXPECT_EQ(accessor.GetFirstSelected(), 2);
    accessor.DeleteAllItems();
    EXPECT_EQ(accessor.GetItemCount(), 0);
    accessor.DeleteAllItems();
    EXPECT_EQ(accessor.GetItemCount(), 0);
}

TEST_P(ItemNavigation, ScrollingAndPageQueries) {
    HWND list = MakeTable({"a"}, {});
    for (int i = 0; i < 100; ++i)
        side().Row(list, {std::to_string(i)});
    const int perPage = accessor.GetCountPerPage();
    EXPECT_GT(perPage, 3);
    EXPECT_EQ(accessor.GetTopIndex(), 0);
    accessor.EnsureVisible(60);
    EXPECT_GT(accessor.GetTopIndex(), 60 - perPage);
    EXPECT_LE(accessor.GetTopIndex(), 60);
    EXPECT_EQ(accessor.GetHotItem(), -1);
    EXPECT_EQ(accessor.GetEditControl(), nullptr);
    accessor.Arrange();
    EXPECT_EQ(accessor.GetItemCount(), 100);
}

struct SingleSelectionCase {
    DWORD style;
    std::optional<bool> newState;
    bool result;
};

TEST_P(ItemNavigation, SingleSelectionTruthTable) {
    const SingleSelectionCase cases[] = {
        {0, std::nullopt, false}, {LVS_SINGLESEL, std::nullopt, true}, {0, false, false},
        {0, true, true},          {LVS_SINGLESEL, false, false},       {LVS_SINGLESEL, true, true},
    };
    for (const SingleSelectionCase &c : cases) {
        HWND list = MakeList(LVS_REPORT | c.style);
        const DWORD before = side().Style(list);
        EXPECT_EQ(accessor.SingleSelection(c.newState), c.result);
        const DWORD after = side().Style(list);
        EXPECT_EQ(after & ~LVS_SINGLESEL, before & ~LVS_SINGLESEL) << "no other style bit changes";
        EXPECT_EQ((after & LVS_SINGLESEL) != 0, c.result);
    }
}

TEST_P(ItemNavigation, SingleSelectItemForcesSingleSelection) {
    HWND list = MakeTable({"a"}, {{"0"}, {"1"}, {"2"}, {"3"}});
    side().Select(list, 1);
    accessor.SingleSelectItem(3);
    EXPECT_TRUE(side().Style(list) & LVS_SINGLESEL);
    EXPECT_TRUE(accessor.IsSelected(3));
    EXPECT_EQ(accessor.GetSelectedCount(), 1) << "the single-selection list drops the earlier selection";

    HWND locked = MakeTable({"a"}, {{"0"}, {"1"}});
    side().Lock(locked);
    accessor.SingleSelectItem(1);
    EXPECT_FALSE(side().Style(locked) & LVS_SINGLESEL);
    EXPECT_EQ(accessor.GetSelectedCount(), 0);
}

TEST_P(ItemNavigation, EditLabelOpensTheEditBox) {
    HWND list = MakeTable({"a"}, {{"label"}}, LVS_REPORT | LVS_EDITLABELS);
    if (GetParam().hostProcess)
        GTEST_SKIP() << "the focus cannot move into another process's window from here";
    ShowWindow(GetParent(list), SW_SHOW);
    accessor.EditLabel(0);
    HWND edit = accessor.GetEditControl();
    EXPECT_NE(edit, nullptr);
    SendMessageA(list, LVM_CANCELEDITLABEL, 0, 0);
    ShowWindow(GetParent(list), SW_HIDE);
}

TEST_P(ItemNavigation, TheRemoteSwitchChangesOnlyThePath) {
    MakeTable({"a"}, {{"x"}});
    const HANDLE process = accessor.Process;
    accessor.EnableRemote();
    EXPECT_TRUE(accessor.Remote);
    accessor.DisableRemote();
    EXPECT_FALSE(accessor.Remote);
    EXPECT_EQ(accessor.Process, process);
    if (!GetParam().hostProcess) {
        accessor.EnableRemote();
        EXPECT_EQ(accessor.GetItemText(0), "x") << "our own process serves as the remote one";
    }
}

} // namespace
