#include "tests/listview/accessor_fixture.h"

#include <gtest/gtest.h>

namespace {

class ItemFind : public AccessorTest {};
ON_EVERY_PATH(ItemFind);

struct FindCase {
    const char *text;
    int start;
    bool whole, wrap;
    int expected;
};

TEST_P(ItemFind, ByTextBeginsAfterTheStartAndIgnoresCase) {
    MakeTable({"a"}, {{"abc"}, {"abd"}, {"xyz"}, {"ab"}});
    const FindCase cases[] = {
        {"ab", -1, false, false, 0}, {"ab", 0, false, false, 1}, {"ab", 3, false, false, -1},
        {"ab", 3, false, true, 0},   {"AB", -1, true, false, 3}, {"ABD", -1, true, false, 1},
        {"x", 2, false, false, -1},  {"x", 2, false, true, 2},   {"", -1, false, false, 0},
        {"q", -1, false, true, -1},
    };
    for (const FindCase &c : cases)
        EXPECT_EQ(accessor.FindItemByText(c.text, c.start, c.whole, c.wrap), c.expected)
            << c.text << " from " << c.start << (c.whole ? " whole" : "") << (c.wrap ? " wrapping" : "");
    EXPECT_EQ(accessor.FindItemByText("abc"), -1) << "item 0 is tested only when wrapping";
}

TEST_P(ItemFind, ByParam) {
    HWND list = MakeTable({"a"}, {{"0"}, {"1"}, {"2"}});
    side().Item(list, 1, 0, -1, 7, 0);
    side().Item(list, 2, 0, -1, 7, 0);
    EXPECT_EQ(accessor.FindItemByParam(-1, 7), 1);
    EXPECT_EQ(accessor.FindItemByParam(1, 7), 2);
    EXPECT_EQ(accessor.FindItemByParam(2, 7), -1);
    EXPECT_EQ(accessor.FindItemByParam(2, 7, true), 1);
    EXPECT_EQ(accessor.FindItemByParam(-1, 8, true), -1);
}

TEST_P(ItemFind, NothingIsFoundInAnEmptyList) {
    MakeTable({"a"}, {});
    EXPECT_EQ(accessor.FindItemByText("a", -1, false, true), -1);
    EXPECT_EQ(accessor.FindItemByText("", -1, true, true), -1);
    EXPECT_EQ(accessor.FindItemByParam(-1, 0, true), -1);
}

} // namespace
