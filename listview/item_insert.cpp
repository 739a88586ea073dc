// Inserting one item, and whole rows with their sub-items in one pass.
#include "listview/list_view_accessor.h"

#include "listview/list_view_records.h"
#include "listview/record_path.h"

#include <commctrl.h>

#include <algorithm>

namespace {

constexpr UINT kItemFields = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE | LVIF_INDENT;

// One record block for the whole pass; each text block goes right after its message.
void InsertPass(const ListViewAccessor &accessor, const RowArray &sorted, int start) {
    ItemRecord record{};
    RecordPath path(accessor, &record, sizeof record);
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        const RowRecord &row = sorted[i];
        record.mask = kItemFields;
        record.stateMask = kStateImageMask;
        record.iItem = start + static_cast<int>(i);
        record.iSubItem = 0;
        record.pszText = path.SendText(row.Text);
        record.cchTextMax = static_cast<int>(row.Text.size()) + 1;
        record.state = StateImageBits(row.StateImage);
        record.iImage = row.Image;
        record.iIndent = row.Indent;
        record.lParam = row.Param;
        const LRESULT inserted = path.Send(LVM_INSERTITEMA, 0);
        path.ReleaseTexts();
        if (inserted == -1)
            continue;

        // Sub-items go to start + i even when the control placed the item elsewhere (a sorted list).
        const std::size_t columns = std::max(row.SubItemTexts.size(), row.SubItemImages.size());
        for (std::size_t k = 1; k <= columns; ++k) {
            const bool hasText = k <= row.SubItemTexts.size(), hasImage = k <= row.SubItemImages.size();
            record.iSubItem = static_cast<int>(k);
            record.mask = (hasText ? LVIF_TEXT : 0) | (hasImage ? LVIF_IMAGE : 0);
            record.pszText = hasText ? path.SendText(row.SubItemTexts[k - 1]) : nullptr;
            record.cchTextMax = hasText ? static_cast<int>(row.SubItemTexts[k - 1].size()) + 1 : 0;
            record.iImage = hasImage ? row.SubItemImages[k - 1] : 0;
            path.Send(LVM_SETITEMA, 0);
            path.ReleaseTexts();
        }
    }
}

} // namespace

int ListViewAccessor::InsertItem(int position, const std::string &text, int image, int stateImage, int indent,
                                 int param) {
    ItemRecord record{};
    record.mask = kItemFields;
    record.iItem = position == -1 ? GetItemCount() : position;
    record.iImage = image;
    record.state = StateImageBits(stateImage);
    record.stateMask = kStateImageMask;
    record.iIndent = indent;
    record.lParam = param;
    RecordPath path(*this, &record, sizeof record);
    record.pszText = path.SendText(text);
    record.cchTextMax = static_cast<int>(text.size()) + 1;
    return static_cast<int>(path.Send(LVM_INSERTITEMA, 0));
}

void ListViewAccessor::InsertRows(const RowArray &rows, int position, int sortKey) {
    RowArray sorted = rows;
    SortRows(sorted, sortKey);
    Send(WM_SETREDRAW, FALSE);
    const int start = position == -1 ? GetItemCount() : position;
    InsertPass(*this, sorted, start);
    Send(WM_SETREDRAW, TRUE);
}
