#include "listview/list_view_accessor.h"
#include "listview/row_sort.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

namespace {

RowRecord Row(const std::string &text, int image = 0, std::vector<std::string> subItems = {""}) {
    RowRecord row;
    row.Text = text;
    row.Image = image;
    row.SubItemTexts = std::move(subItems);
    return row;
}

std::string Texts(const RowArray &rows) {
    std::string texts;
    for (const RowRecord &row : rows)
        texts += row.Text + ' ';
    return texts;
}

// The steps of the quicksort as they are written: recursion on both sides, rows copied.
void ReferenceSort(RowArray &rows, int first, int last, int key) {
    if (key == 0 || key == -1 || first >= last)
        return;
    const bool descending = key < 0;
    const int code = descending ? ~key : key;
    const bool column = (code & 2048) && code != 2048;
    const std::size_t k = static_cast<std::size_t>(code ^ 2048);
    if (column && rows[last - 1].SubItemTexts.size() < k)
        return;
    auto compare = [&](const RowRecord &x, const RowRecord &y) -> int {
        auto sign = [](auto a, auto b) { return a < b ? -1 : a > b ? 1 : 0; };
        auto text = [&](const RowRecord &r) {
            return k <= r.SubItemTexts.size() ? r.SubItemTexts[k - 1] : "";
        };
        switch (code) {
        case 1:
        case 2048:
            return sign(x.Text.compare(y.Text), 0);
        case 2:
            return sign(x.Image, y.Image);
        case 3:
            return sign(x.StateImage, y.StateImage);
        case 4:
            return sign(x.Param, y.Param);
        }
        return sign(text(x).compare(text(y)), 0);
    };
    if (!column && code != 1 && code != 2 && code != 3 && code != 4 && code != 2048) {
        ReferenceSort(rows, first + 1, last, key); // step 6 with a = first: the pivot stays where it is
        return;
    }
    auto staysRight = [&](const RowRecord &r, const RowRecord &p) {
        return descending ? compare(r, p) <= 0 : compare(r, p) >= 0;
    };
    auto staysLeft = [&](const RowRecord &r, const RowRecord &p) {
        return descending ? compare(r, p) >= 0 : compare(r, p) <= 0;
    };
    const RowRecord pivot = rows[first - 1];
    int a = first, e = last;
    while (a < e) {
        while (a < e && staysRight(rows[e - 1], pivot))
            e = e - 1;
        if (a < e) {
            rows[a - 1] = rows[e - 1];
            a = a + 1;
        }
        while (a < e && staysLeft(rows[a - 1], pivot))
            a = a + 1;
        if (a < e) {
            rows[e - 1] = rows[a - 1];
            e = e - 1;
        }
    }
    rows[a - 1] = pivot;
    ReferenceSort(rows, first, a - 1, key);
    ReferenceSort(rows, a + 1, last, key);
}

struct SortCase {
    const char *name;
    RowArray rows;
    int key;
    int first, last;
    const char *expected;
};

TEST(SortRows, TheExampleTables) {
    const RowArray byImage{Row("A", 2), Row("B", 1), Row("C", 2), Row("D", 1)};
    const RowArray cased{Row("b"), Row("B"), Row("a")};
    const RowArray columns{Row("x", 0, {"3"}), Row("y", 0, {"1"}), Row("z", 0, {"2"})};
    const RowArray shortLast{Row("c", 0, {"1", "2", "c"}), Row("b", 0, {"1", "2", "b"}),
                             Row("a", 0, {"1", "2"})};
    const SortCase cases[] = {
        {"image ascending", byImage, 2, 1, INT_MAX, "D B C A "},
        {"image descending", byImage, -3, 1, INT_MAX, "A C B D "},
        {"equal texts ascending", {Row("s", 1), Row("s", 2), Row("s", 3)}, 1, 1, INT_MAX, "s s s "},
        {"bytes, not letters", cased, 1, 1, INT_MAX, "B a b "},
        {"text descending", cased, -2, 1, INT_MAX, "b a B "},
        {"high bytes last", {Row("\xB0\xA1"), Row("z"), Row("")}, 1, 1, INT_MAX, " z \xB0\xA1 "},
        {"key 5", cased, 5, 1, INT_MAX, "b B a "},
        {"key 100", cased, 100, 1, INT_MAX, "b B a "},
        {"key 4096", cased, 4096, 1, INT_MAX, "b B a "},
        {"key 0", cased, 0, 1, INT_MAX, "b B a "},
        {"key -1", cased, -1, 1, INT_MAX, "b B a "},
        {"2048 is the text", cased, 2048, 1, INT_MAX, "B a b "},
        {"2049 is column 1", columns, 2049, 1, INT_MAX, "y z x "},
        {"2049 descending", columns, ~2049, 1, INT_MAX, "x z y "},
        {"a sub-range", {Row("d"), Row("c"), Row("b"), Row("a")}, 1, 2, 3, "d b c a "},
        {"first equal to last", cased, 1, 2, 2, "b B a "},
        {"column missing from the last row", shortLast, 2051, 1, INT_MAX, "c b a "},
        {"positions clamped to the array", {Row("c"), Row("b"), Row("a")}, 1, -5, 99, "a b c "},
        {"one row", {Row("a")}, 1, 1, INT_MAX, "a "},
        {"no rows", {}, 1, 1, INT_MAX, ""},
    };
    ListViewAccessor accessor;
    for (const SortCase &c : cases) {
        RowArray rows = c.rows;
        accessor.SortRows(rows, c.key, c.first, c.last);
        EXPECT_EQ(Texts(rows), c.expected) << c.name;
    }
}

TEST(SortRows, RowsLackingTheColumnCompareAsEmpty) {
    RowArray rows{Row("none", 0, {}), Row("b", 0, {"b"}), Row("a", 0, {"a"})};
    SortRowRange(rows, 1, 3, 2049);
    EXPECT_EQ(Texts(rows), "none a b ");
}

// The order of ties is fixed by the partition steps, so the real sort must match them row for row.
TEST(SortRows, MatchesTheStepsOnRandomRowsFullOfTies) {
    std::mt19937 random(20261211);
    const char *texts[] = {"", "a", "A", "b", "ab", "\xB0\xA1", "a\xB0"};
    const int keys[] = {1,    -2,    2,    -3,    3,    -4, 4,  -5, 2048, -2049,
                        2049, -2050, 2050, -2051, 2051, 0,  -1, 5,  4096};
    auto pick = [&](int n) { return static_cast<int>(random() % n); };
    for (int round = 0; round < 3000; ++round) {
        RowArray rows(pick(24));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            RowRecord &row = rows[i];
            row.Text = texts[pick(7)];
            row.Image = pick(3);
            row.StateImage = pick(3) - 1;
            row.Param = pick(3) == 0 ? INT_MIN : pick(4) - 2;
            row.Indent = static_cast<int>(i); // tells the rows apart
            row.SubItemTexts.resize(pick(4));
            for (std::string &text : row.SubItemTexts)
                text = texts[pick(7)];
        }
        const int key = keys[pick(19)];
        const int size = static_cast<int>(rows.size());
        const int first = pick(3) == 0 ? 1 + pick(size + 1) : 1;
        const int last = pick(3) == 0 ? pick(size + 1) : size;
        RowArray expected = rows;
        ReferenceSort(expected, first, std::min(last, size), key);
        SortRowRange(rows, first, last, key);
        std::vector<int> got, want;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            got.push_back(rows[i].Indent);
            want.push_back(expected[i].Indent);
        }
        ASSERT_EQ(got, want) << "round " << round << ", key " << key << ", " << first << " to " << last;
    }
}

// Plain recursion would go one level deeper per row here and run out of stack.
TEST(SortRows, LongRunsOfEqualRowsKeepTheStackShallow) {
    RowArray rows(30000);
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].Indent = static_cast<int>(i);
    SortRowRange(rows, 1, INT_MAX, 2);
    for (std::size_t i = 0; i < rows.size(); ++i)
        ASSERT_EQ(rows[i].Indent, static_cast<int>(i));
}

} // namespace
