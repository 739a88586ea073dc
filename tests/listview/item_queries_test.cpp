#include "tests/listview/accessor_fixture.h"

#include <gtest/gtest.h>

namespace {

class ItemQueries : public AccessorTest {};
ON_EVERY_PATH(ItemQueries);

std::vector<LONG> Elements(VARIANT variant) {
    EXPECT_EQ(variant.vt, VT_ARRAY | VT_I4);
    LONG lower = 0, upper = 0;
    SafeArrayGetLBound(variant.parray, 1, &lower);
    SafeArrayGetUBound(variant.parray, 1, &upper);
    EXPECT_EQ(lower, 1);
    EXPECT_EQ(SafeArrayGetDim(variant.parray), 1u);
    std::vector<LONG> elements;
    for (LONG i = lower; i <= upper; ++i) {
        LONG element = 0;
        SafeArrayGetElement(variant.parray, &i, &element);
        elements.push_back(element);
    }
    VariantClear(&variant);
    return elements;
}

TEST_P(ItemQueries, TextsAreCutAtTheBufferAndMissingOnesAreEmpty) {
    const std::string longText(300, 'x');
    MakeTable({"a", "b"}, {{"first", "sub"}, {longText, "中文"}});
    EXPECT_EQ(accessor.GetItemText(0), "first");
    EXPECT_EQ(accessor.GetItemText(0, 1), "sub");
    EXPECT_EQ(accessor.GetItemText(1, 1), "中文");
    EXPECT_EQ(accessor.GetItemText(1), std::string(259, 'x'));
    EXPECT_EQ(accessor.GetItemText(1, 0, 10), std::string(9, 'x'));
    EXPECT_EQ(accessor.GetItemText(0, 2), "") << "a sub-item beyond the columns";
    EXPECT_EQ(accessor.GetItemText(5), "") << "an item beyond the last";
}

TEST_P(ItemQueries, ImageIndentParamAndCounts) {
    HWND list = MakeTable({"a"}, {{"x"}, {"y"}});
    side().Item(list, 1, 7, -1, 1234, 2);
    EXPECT_EQ(accessor.GetItemCount(), 2);
    EXPECT_EQ(accessor.GetItemImage(1), 7);
    EXPECT_EQ(accessor.GetItemIndent(1), 2);
    EXPECT_EQ(accessor.GetItemParam(1), 1234);
    EXPECT_EQ(accessor.GetItemImage(9), 0) << "a rejected query leaves the zero it sent";
    EXPECT_EQ(accessor.GetItemParam(9), 0);
}

TEST_P(ItemQueries, StateImagesAndTheTickedList) {
    HWND plain = MakeTable({"a"}, {{"x"}, {"y"}});
    EXPECT_EQ(accessor.GetStateImageIndex(0), -1);
    EXPECT_EQ(Elements(accessor.GetCheckedIndexes()), (std::vector<LONG>{0, 1})) << "-1 is not 0";

    MakeTable({"a"}, {{"x"}, {"y"}, {"z"}}, LVS_REPORT, LVS_EX_CHECKBOXES);
    side().Item(lists.back(), 1, 0, 1, 0, 0);
    EXPECT_EQ(accessor.GetStateImageIndex(0), 0);
    EXPECT_EQ(accessor.GetStateImageIndex(1), 1);
    EXPECT_EQ(Elements(accessor.GetCheckedIndexes()), std::vector<LONG>{1});
    EXPECT_EQ(accessor.GetStateImageIndex(7), -1);
    (void)plain;
}

TEST_P(ItemQueries, SelectionListsStartAtOne) {
    HWND list = MakeTable({"a"}, {});
    EXPECT_TRUE(Elements(accessor.GetSelectedIndexes()).empty());
    for (const char *text : {"0", "1", "2", "3", "4"})
        side().Row(list, {text});
    side().Select(list, 4);
    side().Select(list, 1);
    EXPECT_EQ(Elements(accessor.GetSelectedIndexes()), (std::vector<LONG>{1, 4}));
    EXPECT_EQ(accessor.GetSelectedCount(), 2);
    EXPECT_TRUE(accessor.IsSelected(4));
    EXPECT_FALSE(accessor.IsSelected(2));
    EXPECT_FALSE(accessor.IsSelected(5));
}

} // namespace
