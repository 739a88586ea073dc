// Colours, the view, the background image and the item spacing.
#include "listview/list_view_accessor.h"

#include "listview/list_view_records.h"
#include "listview/record_path.h"

#include <commctrl.h>

namespace {

constexpr int kImagePathBuffer = 256;
// LV_VIEW values by view code, and the way back.
constexpr int kViewOfCode[] = {LV_VIEW_ICON, LV_VIEW_SMALLICON, LV_VIEW_LIST, LV_VIEW_DETAILS, LV_VIEW_TILE};
constexpr int kCodeOfView[] = {0, 3, 1, 2, 4};

} // namespace

COLORREF ListViewAccessor::GetTextColor() { return static_cast<COLORREF>(Send(LVM_GETTEXTCOLOR)); }

void ListViewAccessor::SetTextColor(COLORREF color) {
    Send(LVM_SETTEXTCOLOR, 0, color);
    RedrawVisibleItems();
}

// Marks the items from the topmost visible one through the one below the last full row; they are
// repainted at the next paint.
void ListViewAccessor::RedrawVisibleItems() {
    const int first = GetTopIndex();
    const int count = GetCountPerPage();
    Send(LVM_REDRAWITEMS, first, first + count);
}

COLORREF ListViewAccessor::GetTextBkColor() { return static_cast<COLORREF>(Send(LVM_GETTEXTBKCOLOR)); }

void ListViewAccessor::SetTextBkColor(COLORREF color) {
    Send(LVM_SETTEXTBKCOLOR, 0, color);
    RedrawVisibleItems();
}

COLORREF ListViewAccessor::GetBkColor() { return static_cast<COLORREF>(Send(LVM_GETBKCOLOR)); }

void ListViewAccessor::SetBkColor(COLORREF color) {
    Send(LVM_SETBKCOLOR, 0, color);
    RedrawVisibleItems();
}

int ListViewAccessor::GetViewMode() {
    const LRESULT view = Send(LVM_GETVIEW);
    return view >= 0 && view <= 4 ? kCodeOfView[view] : -1;
}

void ListViewAccessor::SetViewMode(int code) {
    Send(LVM_SETVIEW, code >= 0 && code <= 4 ? kViewOfCode[code] : LV_VIEW_ICON);
}

std::string ListViewAccessor::GetBkImagePath() {
    BkImageRecord record{};
    record.ulFlags = LVBKIF_SOURCE_URL;
    record.cchImageMax = kImagePathBuffer;
    RecordPath path(*this, &record, sizeof record);
    record.pszImage = path.ReceiveText(kImagePathBuffer, kImagePathBuffer);
    path.Send(LVM_GETBKIMAGEA, 0);
    return path.ReceivedText(record.pszImage);
}

void ListViewAccessor::SetBkImage(const std::string &imagePath, bool tile) {
    // Item texts would otherwise hide the picture.
    SetTextBkColor(CLR_NONE);
    BkImageRecord record{};
    record.ulFlags = LVBKIF_SOURCE_URL | (tile ? LVBKIF_STYLE_TILE : 0);
    record.cchImageMax = static_cast<UINT>(imagePath.size()) + 1;
    // An untiled picture sits against the right and bottom edges.
    record.xOffsetPercent = 100;
    record.yOffsetPercent = 100;
    RecordPath path(*this, &record, sizeof record);
    record.pszImage = path.SendText(imagePath);
    path.Send(LVM_SETBKIMAGEA, 0);
}

DWORD ListViewAccessor::GetItemSpacing() { return static_cast<DWORD>(Send(LVM_GETITEMSPACING, FALSE)); }

void ListViewAccessor::GetItemSpacingXY(int &horizontal, int &vertical, bool smallIcons) {
    const DWORD spacing = static_cast<DWORD>(Send(LVM_GETITEMSPACING, smallIcons ? TRUE : FALSE));
    horizontal = static_cast<short>(LOWORD(spacing));
    vertical = static_cast<short>(HIWORD(spacing));
}
