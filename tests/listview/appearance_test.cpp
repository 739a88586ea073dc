#include "tests/listview/accessor_fixture.h"
#include "tests/listview/message_log.h"

#include <gtest/gtest.h>

namespace {

class Appearance : public AccessorTest {};
ON_EVERY_PATH(Appearance);

TEST_P(Appearance, ColoursRoundTrip) {
    MakeTable({"a"}, {{"x"}});
    accessor.SetTextColor(RGB(255, 0, 0));
    EXPECT_EQ(accessor.GetTextColor(), 0x0000FFu);
    accessor.SetTextBkColor(RGB(0, 255, 0));
    EXPECT_EQ(accessor.GetTextBkColor(), 0x00FF00u);
    accessor.SetBkColor(RGB(0, 0, 255));
    EXPECT_EQ(accessor.GetBkColor(), 0xFF0000u);
}

TEST_P(Appearance, ColourChangesRedrawTheVisibleRows) {
    HWND list = MakeTable({"a"}, {});
    if (GetParam().hostProcess)
        GTEST_SKIP() << "the messages are watched in the test process";
    for (int i = 0; i < 100; ++i)
        side().Row(list, {std::to_string(i)});
    accessor.EnsureVisible(99);
    accessor.EnsureVisible(40);
    const int top = accessor.GetTopIndex(), perPage = accessor.GetCountPerPage();
    EXPECT_EQ(top, 40);
    MessageLog log(list, {LVM_REDRAWITEMS});
    accessor.SetBkColor(RGB(1, 2, 3));
    const std::vector<MessageLog::Entry> expected{{LVM_REDRAWITEMS, 40, 40 + perPage}};
    EXPECT_EQ(log.entries, expected);
}

TEST_P(Appearance, ViewCodesBothWays) {
    HWND list = MakeList(LVS_ICON);
    const int codeToView[][2] = {{3, LV_VIEW_DETAILS}, {1, LV_VIEW_SMALLICON}, {2, LV_VIEW_LIST},
                                 {9, LV_VIEW_ICON},    {3, LV_VIEW_DETAILS},   {0, LV_VIEW_ICON}};
    for (const auto &pair : codeToView) {
        accessor.SetViewMode(pair[0]);
        EXPECT_EQ(side().Send(list, LVM_GETVIEW, 0, 0), pair[1]) << "code " << pair[0];
        EXPECT_EQ(accessor.GetViewMode(), pair[0] == 9 ? 0 : pair[0]);
    }
    side().Answer(list, LVM_GETVIEW, LV_VIEW_TILE); // Wine's list view has no tile view
    EXPECT_EQ(accessor.GetViewMode(), 4);
    side().Answer(list, LVM_GETVIEW, 7);
    EXPECT_EQ(accessor.GetViewMode(), -1);
    if (!GetParam().hostProcess) {
        MessageLog log(list, {LVM_SETVIEW});
        accessor.SetViewMode(4);
        EXPECT_EQ(log.entries, (std::vector<MessageLog::Entry>{{LVM_SETVIEW, LV_VIEW_TILE, 0}}));
    }
}

TEST_P(Appearance, BackgroundImagePath) {
    HWND list = MakeTable({"a"}, {{"x"}});
    side().Do("bkimage\t" + std::to_string(reinterpret_cast<UINT_PTR>(list)));
    const std::string record = "bkrecord\t" + std::to_string(reinterpret_cast<UINT_PTR>(list));
    const std::string path = "C:\\pictures\\bk20.bmp";
    ASSERT_EQ(path.size(), 20u);
    accessor.SetBkImage(path);
    EXPECT_EQ(side().Do(record), "18;100;100;" + path) << "a tiled picture named by its path";
    EXPECT_EQ(accessor.GetTextBkColor(), CLR_NONE);
    EXPECT_EQ(accessor.GetBkImagePath(), path);
    accessor.SetBkImage("C:\\b.bmp", false);
    EXPECT_EQ(side().Do(record), "2;100;100;C:\\b.bmp");
    EXPECT_EQ(accessor.GetBkImagePath(), "C:\\b.bmp");
}

TEST_P(Appearance, SpacingHalvesAreSigned) {
    HWND list = MakeList(LVS_ICON);
    side().Send(list, LVM_SETICONSPACING, 0, MAKELPARAM(80, 75));
    EXPECT_EQ(accessor.GetItemSpacing(), static_cast<DWORD>(MAKELONG(80, 75)));
    int horizontal = 0, vertical = 0;
    accessor.GetItemSpacingXY(horizontal, vertical);
    EXPECT_EQ(horizontal, 80);
    EXPECT_EQ(vertical, 75);
    side().Answer(list, LVM_GETITEMSPACING, MAKELONG(0xFFFF, 12));
    accessor.GetItemSpacingXY(horizontal, vertical, true);
    EXPECT_EQ(horizontal, -1);
    EXPECT_EQ(vertical, 12);
}

} // namespace
