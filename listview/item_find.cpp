// Finding an item by its text or its application value with LVM_FINDITEMA.
#include "listview/list_view_accessor.h"

#include "listview/list_view_records.h"
#include "listview/record_path.h"

#include <commctrl.h>

// The search begins after `start` and ignores letter case; the record is not read back.
int ListViewAccessor::FindItemByText(const std::string &text, int start, bool wholeText, bool wrap) {
    FindRecord record{};
    record.flags = (wholeText ? LVFI_STRING : LVFI_PARTIAL) | (wrap ? LVFI_WRAP : 0);
    RecordPath path(*this, &record, sizeof record);
    record.psz = path.SendText(text);
    return static_cast<int>(path.Send(LVM_FINDITEMA, start));
}

int ListViewAccessor::FindItemByParam(int start, int value, bool wrap) {
    FindRecord record{};
    record.flags = LVFI_PARAM | (wrap ? LVFI_WRAP : 0);
    record.lParam = value;
    RecordPath path(*this, &record, sizeof record);
    return static_cast<int>(path.Send(LVM_FINDITEMA, start));
}
