// Reading rows into row records, and re-filling the list in the order of a column.
#include "listview/list_view_accessor.h"

#include "listview/list_view_records.h"
#include "listview/record_path.h"

#include <commctrl.h>

#include <algorithm>

namespace {

constexpr int kTextBuffer = 260;
// Offered as less than the buffer, so a text read this way holds at most 254 bytes.
constexpr int kTextOffered = 255;
constexpr int kColumnKey = 2048;

} // namespace

RowRecord ListViewAccessor::GetRow(int item) {
    // A list without columns (never in report view) is read as having no sub-items.
    const int subItems = std::max(GetColumnCount() - 1, 0);
    RowRecord row;
    row.SubItemTexts.assign(subItems, std::string());
    row.SubItemImages.assign(subItems, 0);

    ItemRecord record{};
    record.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE | LVIF_INDENT;
    record.iItem = item;
    record.stateMask = kStateImageMask;
    RecordPath path(*this, &record, sizeof record);
    record.pszText = path.ReceiveText(kTextBuffer, kTextOffered);
    record.cchTextMax = kTextOffered;
    if (!path.Send(LVM_GETITEMA, 0, ReadBack::WhenAnswered))
        return row;
    row.Text = path.ReceivedText(record.pszText);
    row.Image = record.iImage;
    row.Param = static_cast<int>(record.lParam);
    row.Indent = record.iIndent;
    row.StateImage = StateImageIndex(record.state);
    path.ReleaseTexts();

    // Every other field keeps what the item's answer left in the record.
    record.mask = LVIF_TEXT | LVIF_IMAGE;
    for (int k = 1; k <= subItems; ++k) {
        record.iSubItem = k;
        record.pszText = path.ReceiveText(kTextBuffer, kTextOffered);
        record.cchTextMax = kTextOffered;
        if (path.Send(LVM_GETITEMA, 0, ReadBack::WhenAnswered)) {
            row.SubItemTexts[k - 1] = path.ReceivedText(record.pszText);
            row.SubItemImages[k - 1] = record.iImage;
        }
        path.ReleaseTexts();
    }
    return row;
}

void ListViewAccessor::GetAllRows(RowArray &rows) {
    const int count = GetItemCount();
    rows.clear();
    for (int i = 0; i < count; ++i)
        rows.push_back(GetRow(i));
}

// The rows come back as they were read, in the new order; selection and focus are not kept.
void ListViewAccessor::SortByColumn(int column, int order) {
    RowArray rows;
    GetAllRows(rows);
    DeleteAllItems();
    const int key = order == 1 ? column + kColumnKey : ~(column + kColumnKey);
    InsertRows(rows, 0, key);
}
