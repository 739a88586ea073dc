#include "tests/listview/accessor_fixture.h"

#include <gtest/gtest.h>

namespace {

class RowSnapshot : public AccessorTest {};
ON_EVERY_PATH(RowSnapshot);

TEST_P(RowSnapshot, GetRowReadsEveryColumn) {
    HWND list = MakeTable({"a", "b", "c"}, {{"x", "x1", "x2"}, {"y", "y1"}}, LVS_REPORT, LVS_EX_CHECKBOXES);
    side().Item(list, 0, 3, 1, 77, 2);
    const RowRecord row = accessor.GetRow(0);
    EXPECT_EQ(row.Text, "x");
    EXPECT_EQ(row.Image, 3);
    EXPECT_EQ(row.StateImage, 1);
    EXPECT_EQ(row.Param, 77);
    EXPECT_EQ(row.Indent, 2);
    EXPECT_EQ(row.SubItemTexts, (std::vector<std::string>{"x1", "x2"}));
    EXPECT_EQ(row.SubItemImages.size(), 2u);

    EXPECT_EQ(accessor.GetRow(1).StateImage, 0);
    EXPECT_EQ(accessor.GetRow(1).SubItemTexts, (std::vector<std::string>{"y1", ""}));
    side().Item(list, 1, 0, -1, 0, 0);
    EXPECT_EQ(accessor.GetRow(1).StateImage, -1);
}

TEST_P(RowSnapshot, TextsAreCutAt254) {
    const std::string text(300, 't');
    MakeTable({"a", "b"}, {{text, text}});
    const RowRecord row = accessor.GetRow(0);
    EXPECT_EQ(row.Text, text.substr(0, 254));
    EXPECT_EQ(row.SubItemTexts, std::vector<std::string>{text.substr(0, 254)});
}

TEST_P(RowSnapshot, AMissingItemGivesAnEmptyRecord) {
    MakeTable({"a", "b", "c"}, {{"x", "x1", "x2"}});
    for (int index : {-1, 1}) {
        const RowRecord row = accessor.GetRow(index);
        EXPECT_EQ(row.Text, "");
        EXPECT_EQ(row.Image + row.StateImage + row.Param + row.Indent, 0);
        EXPECT_EQ(row.SubItemTexts, std::vector<std::string>(2));
        EXPECT_EQ(row.SubItemImages, std::vector<int>(2));
    }
}

TEST_P(RowSnapshot, AListWithoutColumnsHasNoSubItems) {
    MakeTable({}, {{"x"}}, LVS_LIST);
    const RowRecord row = accessor.GetRow(0);
    EXPECT_EQ(row.Text, "x");
    EXPECT_TRUE(row.SubItemTexts.empty());
    EXPECT_TRUE(row.SubItemImages.empty());
}

TEST_P(RowSnapshot, GetAllRowsReplacesTheArray) {
    MakeTable({"a", "b"}, {{"x", "x1"}, {"y", "y1"}});
    RowArray rows(5);
    accessor.GetAllRows(rows);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].Text, "y");
    EXPECT_EQ(rows[1].SubItemTexts, std::vector<std::string>{"y1"});
    accessor.DeleteAllItems();
    accessor.GetAllRows(rows);
    EXPECT_TRUE(rows.empty());
}

struct SortByColumnCase {
    int column, order;
    const char *expected;
};

TEST_P(RowSnapshot, SortByColumnRefillsTheList) {
    const SortByColumnCase cases[] = {
        {1, 1, "b,1,z|c,2,x|a,3,y|"}, {1, 2, "a,3,y|c,2,x|b,1,z|"}, {0, 1, "a,3,y|b,1,z|c,2,x|"},
        {2, 1, "c,2,x|a,3,y|b,1,z|"}, {3, 1, "b,1,z|a,3,y|c,2,x|"}, {-5, 1, "b,1,z|a,3,y|c,2,x|"},
    };
    for (const SortByColumnCase &c : cases) {
        HWND list = MakeTable({"a", "b", "c"}, {{"b", "1", "z"}, {"a", "3", "y"}, {"c", "2", "x"}});
        accessor.SortByColumn(c.column, c.order);
        EXPECT_EQ(side().Texts(list), c.expected) << "column " << c.column << ", order " << c.order;
    }
}

// A plain list: Wine's check-box lists untick every item they insert.
TEST_P(RowSnapshot, SortByColumnCarriesEveryFieldButTheSelection) {
    HWND list = MakeTable({"a", "b"}, {{"b", "1"}, {"a", "2"}});
    side().Item(list, 0, 4, 1, 40, 1);
    side().Item(list, 1, 5, 0, 50, 2);
    side().Select(list, 0);
    accessor.SortByColumn(0);
    EXPECT_EQ(side().Dump(list), "a,2,5;1000;50;2|b,1,4;2000;40;1|");
    EXPECT_EQ(accessor.GetSelectedCount(), 0);
}

TEST_P(RowSnapshot, SortByColumnOfAnEmptyList) {
    HWND list = MakeTable({"a"}, {});
    accessor.SortByColumn(0);
    EXPECT_EQ(side().Texts(list), "");
}

} // namespace
