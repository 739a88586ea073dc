#include "listview/row_sort.h"

#include <algorithm>
#include <utility>

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
    case 2048: order.attribute = Attribute::Text; break;
    case 2: order.attribute = Attribute::Image; break;
    case 3: order.attribute = Attribute::StateImage; break;
    case 4: order.attribute = Attribute::Param; break;
    default:
        if (code & 2048) {
            order.attribute = Attribute::Column;
            order.column = static_cast<std::size_t>(code ^ 2048);
        }
    }
    return order;
}

// A row that lacks the column compares as the empty text.
const std::string &ColumnText(const RowRecord &row, std::size_t column) {
    static const std::string empty;
    return column <= row.SubItemTexts.size() ? row.SubItemTexts[column - 1] : empty;
}

int Compare(int left, int right) { return left < right ? -1 : left > right ? 1 : 0; }

// Byte-wise on unsigned bytes: char_traits<char> compares as unsigned char.
int Compare(const std::string &left, const std::string &right) {
    const int result = left.compare(right);
    return result < 0 ? -1 : result > 0 ? 1 : 0;
}

int Compare(const RowRecord &row, const RowRecord &pivot, const SortOrder &order) {
    switch (order.attribute) {
    case Attribute::Text: return Compare(row.Text, pivot.Text);
    case Attribute::Image: return Compare(row.Image, pivot.Image);
    case Attribute::StateImage: return Compare(row.StateImage, pivot.StateImage);
    case Attribute::Param: return Compare(row.Param, pivot.Param);
    case Attribute::Column: return Compare(ColumnText(row, order.column), ColumnText(pivot, order.column));
    case Attribute::None: break;
    }
    return 0;
}

// One partition around the range's first row; returns the pivot's final index. Rows equal to the
// pivot are passed over by both scans, which is what fixes the order of ties.
std::size_t Partition(RowArray &rows, std::size_t first, std::size_t last, const SortOrder &order) {
    const int toRight = order.descending ? -1 : 1;
    RowRecord pivot = std::move(rows[first]);
    auto staysRight = [&](const RowRecord &row) { return Compare(row, pivot, order) * toRight >= 0; };
    auto staysLeft = [&](const RowRecord &row) { return Compare(row, pivot, order) * toRight <= 0; };
    std::size_t a = first, e = last;
    while (a < e) {
        while (a < e && staysRight(rows[e]))
            --e;
        if (a < e)
            rows[a++] = std::move(rows[e]);
        while (a < e && staysLeft(rows[a]))
            ++a;
        if (a < e)
            rows[e--] = std::move(rows[a]);
    }
    rows[a] = std::move(pivot);
    return a;
}

// 0-based, inclusive. The shorter side is sorted by recursion and the longer one by the loop, so the
// depth stays logarithmic; the two sides are disjoint, so the order is that of plain recursion.
void SortRange(RowArray &rows, std::size_t first, std::size_t last, const SortOrder &order) {
    while (first < last) {
        if (order.attribute == Attribute::Column && rows[last].SubItemTexts.size() < order.column)
            return;
        const std::size_t pivot = Partition(rows, first, last, order);
        const std::size_t leftSize = pivot - first, rightSize = last - pivot;
        if (leftSize < rightSize) {
            if (pivot > first)
                SortRange(rows, first, pivot - 1, order);
            first = pivot + 1;
        } else {
            SortRange(rows, pivot + 1, last, order);
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
    last = std::min<long long>(last, static_cast<long long>(rows.size()));
    if (first >= last)
        return;
    SortRange(rows, static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - 1), order);
}
