#include "conversion/list_rows.h"

#include "listview/list_view_records.h"

#include <commctrl.h>

#include <vector>

namespace {

const size_t FirstTextBuffer = MAX_PATH, LargestTextBuffer = 1 << 16;

} // namespace

int ListRowCount(HWND list) {
    return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

std::string ListCellText(HWND list, int row, int column) {
    // The message says only how much it copied, so a text that fills the buffer may have been cut: ask
    // again with a larger one.
    std::vector<char> buffer(FirstTextBuffer);
    for (;;) {
        ItemRecord item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        size_t copied = SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        if (copied + 1 < buffer.size() || buffer.size() >= LargestTextBuffer) {
            buffer.back() = '\0';
            return buffer.data();
        }
        buffer.assign(buffer.size() * 2, '\0');
    }
}

void SetListCellText(HWND list, int row, int column, const std::string &text) {
    ItemRecord item{};
    item.iSubItem = column;
    item.pszText = const_cast<char *>(text.c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}
