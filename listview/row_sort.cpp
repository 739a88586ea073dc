#include "listview/row_sort.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace {

enum class Attribute { None, Text, Image, StateImage, Param, Column };

struct SortOrder {
    Attribute attribute = Attribute::None;
    std::size_t column = 0; // 1-based, for Attribute::Column
    bool descending = false;
};

SortOrder OrderOf(int key) {
    SortOrder order;
    if (key == 0 || key == -1)
        return order;
    order.descending = key < 0;
    const int code = order.descending ? ~key : key;
    switch (code) {
    case 1:
    case 2048:
        order.attribute = Attribute::Text;
        break;
    case 2:
        order.attribute = Attribute::Image;
        break;
    case 3:
        order.attribute = Attribute::StateImage;
        break;
    case 4:
        order.attribute = Attribute::Param;
        break;
    default:
        if (code & 2048) {
            order.attribute = Attribute::Column;
            order.column = static_cast<std::size_t>(code ^ 2048);
        }
    }
    return order;
}

// What the sort looks at of one row. The partitions move these small entries, and the rows follow
// them once at the end.
struct Entry {
    std::string_view text;
    int number = 0;
    bool hasColumn = true; // the row holds the key's column
    std::size_t row = 0;
};

Entry EntryOf(const RowRecord &row, std::size_t index, const SortOrder &order) {
    Entry entry;
    entry.row = index;
    switch (order.attribute) {
    case Attribute::Text:
        entry.text = row.Text;
        break;
    case Attribute::Image:
        entry.number = row.Image;
        break;
    case Attribute::StateImage:
        entry.number = row.StateImage;
        break;
    case Attribute::Param:
        entry.number = row.Param;
        break;
    case Attribute::Column:
        // A row that lacks the column compares as the empty text.
        entry.hasColumn = order.column <= row.SubItemTexts.size();
        if (entry.hasColumn)
            entry.text = row.SubItemTexts[order.column - 1];
        break;
    case Attribute::None:
        break;
    }
    return entry;
}

// Texts compare byte by byte on unsigned bytes, as char_traits<char> does.
struct ByText {
    int operator()(const Entry &left, const Entry &right) const {
        const int result = left.text.compare(right.text);
        return (result > 0) - (result < 0);
    }
};

struct ByNumber {
    int operator()(const Entry &left, const Entry &right) const {
        return (left.number > right.number) - (left.number < right.number);
    }
};

// One partition around the range's first entry; returns the pivot's final index. Entries equal to
// the pivot are passed over by both scans, which is what fixes the order of ties.
template <typename Compare>
std::size_t Partition(std::vector<Entry> &entries, std::size_t first, std::size_t last, int toRight,
                      Compare compare) {
    const Entry pivot = entries[first];
    std::size_t a = first, e = last;
    while (a < e) {
        while (a < e && compare(entries[e], pivot) * toRight >= 0)
            --e;
        if (a < e)
            entries[a++] = entries[e];
        while (a < e && compare(entries[a], pivot) * toRight <= 0)
            ++a;
        if (a < e)
            entries[e--] = entries[a];
    }
    entries[a] = pivot;
    return a;
}

// 0-based, inclusive. The shorter side is sorted by recursion and the longer one by the loop, so the
// depth stays logarithmic; the two sides are disjoint, so the order is that of plain recursion.
template <typename Compare>
void SortRange(std::vector<Entry> &entries, std::size_t first, std::size_t last, int toRight,
               Compare compare) {
    while (first < last) {
        // A column key stops at a range whose last row lacks the column.
        if (!entries[last].hasColumn)
            return;
        const std::size_t pivot = Partition(entries, first, last, toRight, compare);
        if (pivot - first < last - pivot) {
            if (pivot > first)
                SortRange(entries, first, pivot - 1, toRight, compare);
            first = pivot + 1;
        } else {
            SortRange(entries, pivot + 1, last, toRight, compare);
            if (pivot == first)
                return;
            last = pivot - 1;
        }
    }
}

} // namespace

void SortRowRange(RowArray &rows, int first, int last, int key) {
    const SortOrder order = OrderOf(key);
    if (order.attribute == Attribute::None || rows.empty())
        return;
    first = std::max(first, 1);
    last = static_cast<int>(std::min<long long>(last, static_cast<long long>(rows.size())));
    if (first >= last)
        return;
    const std::size_t begin = static_cast<std::size_t>(first - 1), end = static_cast<std::size_t>(last);

    std::vector<Entry> entries;
    entries.reserve(end - begin);
    for (std::size_t i = begin; i < end; ++i)
        entries.push_back(EntryOf(rows[i], i, order));
    const int toRight = order.descending ? -1 : 1;
    const bool byText = order.attribute == Attribute::Text || order.attribute == Attribute::Column;
    if (byText)
        SortRange(entries, 0, entries.size() - 1, toRight, ByText());
    else
        SortRange(entries, 0, entries.size() - 1, toRight, ByNumber());

    RowArray sorted;
    sorted.reserve(entries.size());
    for (const Entry &entry : entries)
        sorted.push_back(std::move(rows[entry.row]));
    std::move(sorted.begin(), sorted.end(), rows.begin() + static_cast<std::ptrdiff_t>(begin));
}
