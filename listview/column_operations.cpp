// Reading, changing, counting, inserting and deleting report-view columns.
#include "listview/list_view_accessor.h"

#include "listview/list_view_records.h"
#include "listview/record_path.h"

#include <commctrl.h>

namespace {

constexpr int kCaptionBuffer = 260;

// LVM_GETCOLUMNA with the given mask; nothing is read back when the column does not exist.
bool QueryColumn(const ListViewAccessor &accessor, int column, UINT mask, ColumnRecord &record) {
    record = ColumnRecord{};
    record.mask = mask;
    RecordPath path(accessor, &record, sizeof record);
    return path.Send(LVM_GETCOLUMNA, column, ReadBack::WhenAnswered) != 0;
}

} // namespace

std::string ListViewAccessor::GetColumnText(int column) {
    ColumnRecord record{};
    record.mask = LVCF_TEXT;
    record.cchTextMax = kCaptionBuffer;
    RecordPath path(*this, &record, sizeof record);
    record.pszText = path.ReceiveText(kCaptionBuffer, kCaptionBuffer);
    if (!path.Send(LVM_GETCOLUMNA, column))
        return {};
    return path.ReceivedText(record.pszText);
}

int ListViewAccessor::GetColumnAlignment(int column) {
    ColumnRecord record;
    if (!QueryColumn(*this, column, LVCF_FMT, record))
        return -1;
    if (record.fmt & LVCFMT_CENTER)
        return 1;
    return record.fmt & LVCFMT_RIGHT ? 2 : 0;
}

int ListViewAccessor::GetColumnWidth(int column) {
    ColumnRecord record;
    return QueryColumn(*this, column, LVCF_WIDTH, record) ? record.cx : 0;
}

int ListViewAccessor::GetColumnImage(int column) {
    ColumnRecord record;
    return QueryColumn(*this, column, LVCF_FMT | LVCF_IMAGE, record) ? record.iImage : -1;
}

bool ListViewAccessor::IsColumnImageOnRight(int column) {
    ColumnRecord record;
    return QueryColumn(*this, column, LVCF_FMT | LVCF_IMAGE, record) && (record.fmt & LVCFMT_BITMAP_ON_RIGHT);
}

bool ListViewAccessor::SetColumnText(int column, const std::string &text) {
    ColumnRecord record{};
    record.mask = LVCF_TEXT;
    RecordPath path(*this, &record, sizeof record);
    record.pszText = path.SendText(text);
    return path.Send(LVM_SETCOLUMNA, column) != 0;
}

void ListViewAccessor::SetColumnWidth(int column, int width) {
    ColumnRecord record{};
    record.mask = LVCF_WIDTH;
    record.cx = width;
    RecordPath path(*this, &record, sizeof record);
    path.Send(LVM_SETCOLUMNA, column);
}

void ListViewAccessor::SetColumnImage(int column, int image) {
    ColumnRecord record{};
    record.mask = LVCF_IMAGE;
    record.iImage = image;
    RecordPath path(*this, &record, sizeof record);
    path.Send(LVM_SETCOLUMNA, column);
}

int ListViewAccessor::GetColumnCount() {
    HeaderWindow = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
    return static_cast<int>(SendMessageA(HeaderWindow, HDM_GETITEMCOUNT, 0, 0));
}

int ListViewAccessor::InsertColumn(int index, const std::string &text, int width, int alignment, int image,
                                   bool imageOnRight) {
    if (index == -1)
        index = GetColumnCount();
    ColumnRecord record{};
    record.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_IMAGE;
    record.cx = width;
    record.fmt = alignment == 1 ? LVCFMT_CENTER : alignment == 2 ? LVCFMT_RIGHT : LVCFMT_LEFT;
    if (imageOnRight)
        record.fmt |= LVCFMT_BITMAP_ON_RIGHT;
    record.iImage = image;
    RecordPath path(*this, &record, sizeof record);
    record.pszText = path.SendText(text);
    return static_cast<int>(path.Send(LVM_INSERTCOLUMNA, index));
}

void ListViewAccessor::DeleteColumn(int column) { Send(LVM_DELETECOLUMN, column); }
