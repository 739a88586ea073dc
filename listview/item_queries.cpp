// Reading items: text, image, state image, indent, application value, counts and selection lists.
#include "listview/list_view_accessor.h"

#include "listview/list_view_records.h"
#include "listview/record_path.h"

#include <commctrl.h>

#include <vector>

namespace {

// LVM_GETITEMA with the given fields; on the remote path the answered record is read back.
ItemRecord QueryItem(const ListViewAccessor &accessor, UINT mask, int item, int subItem = 0) {
    ItemRecord record{};
    record.mask = mask;
    record.iItem = item;
    record.iSubItem = subItem;
    RecordPath path(accessor, &record, sizeof record);
    path.Send(LVM_GETITEMA, 0, ReadBack::Always);
    return record;
}

VARIANT IndexArray(const std::vector<LONG> &indexes) {
    SAFEARRAYBOUND bound{static_cast<ULONG>(indexes.size()), 1};
    SAFEARRAY *array = SafeArrayCreate(VT_I4, 1, &bound);
    for (LONG i = 0; i < static_cast<LONG>(indexes.size()); ++i) {
        LONG position = i + 1;
        LONG index = indexes[i];
        SafeArrayPutElement(array, &position, &index);
    }
    VARIANT result;
    VariantInit(&result);
    result.vt = VT_ARRAY | VT_I4;
    result.parray = array;
    return result;
}

} // namespace

std::string ListViewAccessor::GetItemText(int item, int subItem, int bufferSize) {
    ItemRecord record{};
    record.iSubItem = subItem;
    record.cchTextMax = bufferSize;
    RecordPath path(*this, &record, sizeof record);
    record.pszText = path.ReceiveText(bufferSize, bufferSize);
    if (!Remote) {
        // LVM_GETITEMTEXTA takes the item from wParam; a missing item leaves the zeroed buffer empty.
        path.Send(LVM_GETITEMTEXTA, item);
        return path.ReceivedText(record.pszText);
    }
    record.mask = LVIF_TEXT;
    record.iItem = item;
    if (!path.Send(LVM_GETITEMA, 0))
        return {};
    return path.ReceivedText(record.pszText);
}

int ListViewAccessor::GetItemImage(int item, int subItem) {
    return QueryItem(*this, LVIF_IMAGE, item, subItem).iImage;
}

int ListViewAccessor::GetStateImageIndex(int item) {
    return StateImageIndex(static_cast<UINT>(Send(LVM_GETITEMSTATE, item, kStateImageMask)));
}

int ListViewAccessor::GetItemIndent(int item) { return QueryItem(*this, LVIF_INDENT, item).iIndent; }

int ListViewAccessor::GetItemCount() { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }

int ListViewAccessor::GetItemParam(int item) {
    return static_cast<int>(QueryItem(*this, LVIF_PARAM, item).lParam);
}

VARIANT ListViewAccessor::GetSelectedIndexes() {
    std::vector<LONG> indexes;
    const int count = GetItemCount();
    for (int i = 0; i < count; ++i)
        if (IsSelected(i))
            indexes.push_back(i);
    return IndexArray(indexes);
}

VARIANT ListViewAccessor::GetCheckedIndexes() {
    std::vector<LONG> indexes;
    const int count = GetItemCount();
    for (int i = 0; i < count; ++i)
        if (GetStateImageIndex(i) != 0)
            indexes.push_back(i);
    return IndexArray(indexes);
}

int ListViewAccessor::GetSelectedCount() { return static_cast<int>(Send(LVM_GETSELECTEDCOUNT)); }

bool ListViewAccessor::IsSelected(int item) {
    return Send(LVM_GETITEMSTATE, item, LVIS_SELECTED) == LVIS_SELECTED;
}
