// Deleting items, scrolling and navigating, label editing, single selection and the path switch.
// None of these hands the control a pointer, so both paths send the same message.
#include "listview/list_view_accessor.h"

#include <commctrl.h>

void ListViewAccessor::DeleteItem(int item) { Send(LVM_DELETEITEM, item); }

void ListViewAccessor::DeleteAllItems() { Send(LVM_DELETEALLITEMS); }

// lParam 1: a partly visible item counts as visible.
void ListViewAccessor::EnsureVisible(int item) { Send(LVM_ENSUREVISIBLE, item, 1); }

void ListViewAccessor::Arrange() { Send(LVM_ARRANGE, LVA_DEFAULT); }

void ListViewAccessor::EditLabel(int item) {
    // A list of another process gets the keyboard only once its own top-level window is active.
    if (Remote)
        SetActiveWindow(GetWindow(Window, GW_OWNER));
    SetFocus(Window);
    Send(LVM_EDITLABELA, item);
}

int ListViewAccessor::GetTopIndex() { return static_cast<int>(Send(LVM_GETTOPINDEX)); }

int ListViewAccessor::GetCountPerPage() { return static_cast<int>(Send(LVM_GETCOUNTPERPAGE)); }

int ListViewAccessor::GetHotItem() { return static_cast<int>(Send(LVM_GETHOTITEM)); }

HWND ListViewAccessor::GetEditControl() { return reinterpret_cast<HWND>(Send(LVM_GETEDITCONTROL)); }

bool ListViewAccessor::SingleSelection(std::optional<bool> newState) {
    const LONG style = GetWindowLongA(Window, GWL_STYLE);
    if (!newState)
        return (style & LVS_SINGLESEL) != 0;
    // Written even when the bit already has the asked value; no redraw is asked for.
    SetWindowLongA(Window, GWL_STYLE, *newState ? style | LVS_SINGLESEL : style & ~LVS_SINGLESEL);
    return (GetWindowLongA(Window, GWL_STYLE) & LVS_SINGLESEL) != 0;
}

int ListViewAccessor::GetFirstSelected() {
    return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ListViewAccessor::SingleSelectItem(int item) {
    if (SingleSelection(true))
        SelectItem(item);
}
