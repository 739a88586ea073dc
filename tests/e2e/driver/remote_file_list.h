// The file list of a running Orvanta, read from outside through the accessor's cross-process path: every
// record is staged in Orvanta's memory, sent there by address and read back.
#pragma once

#include "listview/list_view_accessor.h"

#include <windows.h>

#include <string>
#include <vector>

class RemoteFileList {
public:
    // Binds to `list` on the remote path; Bound() says whether that worked.
    explicit RemoteFileList(HWND list);

    bool Bound() const { return bound_; }
    int Count() { return accessor_.GetItemCount(); }
    std::string Text(int row, int column) { return accessor_.GetItemText(row, column); }
    void SetText(int row, int column, const std::string &text) { accessor_.SetItemText(row, column, text); }
    std::vector<std::string> Column(int column);
    // The row's rectangle in the list's client coordinates (LVM_GETITEMRECT, staged by the accessor's broker).
    RECT RowRect(int row);

private:
    ListViewAccessor accessor_;
    bool bound_;
};
