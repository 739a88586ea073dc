// Changing one attribute of an existing item, and its selection.
#include "listview/list_view_accessor.h"

#include "listview/list_view_records.h"
#include "listview/record_path.h"

#include <commctrl.h>

namespace {

ItemRecord ItemFields(UINT mask, int item, int subItem = 0) {
    ItemRecord record{};
    record.mask = mask;
    record.iItem = item;
    record.iSubItem = subItem;
    return record;
}

void SendItem(const ListViewAccessor &accessor, ItemRecord record, UINT message, WPARAM wParam) {
    RecordPath path(accessor, &record, sizeof record);
    path.Send(message, wParam);
}

} // namespace

void ListViewAccessor::SetItemText(int item, int subItem, const std::string &text) {
    ItemRecord record = ItemFields(LVIF_TEXT, item, subItem);
    RecordPath path(*this, &record, sizeof record);
    record.pszText = path.SendText(text);
    if (Remote)
        record.cchTextMax = static_cast<int>(text.size()) + 1;
    path.Send(LVM_SETITEMA, 0);
}

void ListViewAccessor::SetItemImage(int item, int subItem, int image) {
    ItemRecord record = ItemFields(LVIF_IMAGE, item, subItem);
    record.iImage = image;
    SendItem(*this, record, LVM_SETITEMA, 0);
}

// Locally LVM_SETITEMSTATE, where item -1 means every item; remotely LVM_SETITEMA, where -1 names none.
void ListViewAccessor::SetStateImageIndex(int item, int index) {
    ItemRecord record = ItemFields(LVIF_STATE, item);
    record.state = StateImageBits(index);
    record.stateMask = kStateImageMask;
    if (Remote)
        SendItem(*this, record, LVM_SETITEMA, 0);
    else
        SendItem(*this, record, LVM_SETITEMSTATE, item);
}

void ListViewAccessor::SetItemIndent(int item, int indent) {
    ItemRecord record = ItemFields(LVIF_INDENT, item);
    record.iIndent = indent;
    SendItem(*this, record, LVM_SETITEMA, 0);
}

void ListViewAccessor::SetItemParam(int item, int value) {
    ItemRecord record = ItemFields(LVIF_PARAM, item);
    record.lParam = value;
    SendItem(*this, record, LVM_SETITEMA, 0);
}

void ListViewAccessor::SelectItem(int item) {
    ItemRecord record = ItemFields(LVIF_STATE, item);
    record.state = LVIS_SELECTED;
    record.stateMask = LVIS_SELECTED;
    SendItem(*this, record, LVM_SETITEMSTATE, item);
}

// Only the selected bit is under the mask, so every other state bit is left alone. As with the state
// image, item -1 deselects every item locally and none remotely.
void ListViewAccessor::DeselectItem(int item) {
    ItemRecord record = ItemFields(LVIF_STATE, item);
    record.state = ~static_cast<UINT>(LVIS_SELECTED);
    record.stateMask = LVIS_SELECTED;
    SendItem(*this, record, Remote ? LVM_SETITEMA : LVM_SETITEMSTATE, item);
}
