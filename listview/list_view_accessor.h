// Drives a list-view control through its messages, whether its window is in this process or another.
#pragma once

#include "listview/remote_memory_broker.h"
#include "listview/row_record.h"

#include <windows.h>
#include <oleauto.h>

#include <climits>
#include <memory>
#include <optional>
#include <string>

// Indexes of items, sub-items and columns are 0-based, -1 meaning no item. With Remote set, records
// are staged in the window's process through Broker; otherwise they are sent from our own memory.
// The virtual methods stay in this order, and methods call each other through them, so a derived
// class that replaces one changes its callers too.
class ListViewAccessor {
public:
    explicit ListViewAccessor(
        std::unique_ptr<RemoteMemoryBroker> broker = std::make_unique<RemoteMemoryBroker>());
    ListViewAccessor(const ListViewAccessor &) = delete;
    ListViewAccessor &operator=(const ListViewAccessor &) = delete;

    // Closes Process; the window is left alone.
    virtual ~ListViewAccessor();
    // The copy holds a duplicate of Process, so that each accessor closes its own handle.
    virtual std::unique_ptr<ListViewAccessor> Clone() const;
    // Binds when the window's class is exactly `className`; opens the window's process either way
    // of `remote`, so that the path can be switched later.
    virtual bool Bind(HWND window, bool remote = false, const char *className = "SysListView32");

    virtual std::string GetItemText(int item, int subItem = 0, int bufferSize = 260);
    virtual int GetItemImage(int item, int subItem = 0);
    virtual int GetStateImageIndex(int item); // -1 none, 0 unticked, 1 ticked
    virtual int GetItemIndent(int item);
    virtual int GetItemCount();
    virtual int GetItemParam(int item);
    virtual void SetItemText(int item, int subItem = 0, const std::string &text = "");
    virtual void SetItemImage(int item, int subItem = 0, int image = 0);
    virtual void SetStateImageIndex(int item, int index = -1);
    virtual void SetItemIndent(int item, int indent = 0);
    virtual void SetItemParam(int item, int value = 0);
    // VT_ARRAY | VT_I4, lower bound 1; the caller clears it.
    virtual VARIANT GetSelectedIndexes();
    // Items whose state image is not 0 (unticked): a list without check boxes lists every item.
    virtual VARIANT GetCheckedIndexes();
    virtual int GetSelectedCount();
    virtual bool IsSelected(int item);
    virtual void SelectItem(int item);
    virtual void DeselectItem(int item);
    // Position -1 appends. Image -1 is I_IMAGECALLBACK. Returns where the control put the item.
    virtual int InsertItem(int position = -1, const std::string &text = "", int image = -1,
                           int stateImage = -1, int indent = 0, int param = 0);
    // Inserts a copy of the rows, sorted by `sortKey` first, with drawing suspended; position -1 appends.
    virtual void InsertRows(const RowArray &rows, int position = -1, int sortKey = 0);
    // Positions are 1-based and clamped to the array; see row_sort.h for the keys.
    virtual void SortRows(RowArray &rows, int key, int first = 1, int last = INT_MAX);
    virtual void DeleteItem(int item);
    virtual void DeleteAllItems();
    // The search starts after `start`; -1 starts with the first item. Letter case is ignored.
    virtual int FindItemByText(const std::string &text, int start = 0, bool wholeText = false,
                               bool wrap = false);
    virtual int FindItemByParam(int start = 0, int value = 0, bool wrap = false);
    virtual void EnsureVisible(int item);
    virtual void Arrange();
    virtual std::string GetColumnText(int column);
    // 0 left, 1 centred, 2 right, -1 no such column.
    virtual int GetColumnAlignment(int column);
    virtual int GetColumnWidth(int column);
    virtual int GetColumnImage(int column);
    virtual bool IsColumnImageOnRight(int column);
    virtual bool SetColumnText(int column, const std::string &text = "");
    virtual void SetColumnWidth(int column, int width = 0);
    virtual void SetColumnImage(int column, int image = 0);
    // Also stores the header control in HeaderWindow.
    virtual int GetColumnCount();
    // Index -1 appends; alignment as GetColumnAlignment gives it.
    virtual int InsertColumn(int index = -1, const std::string &text = "", int width = 50, int alignment = 0,
                             int image = -1, bool imageOnRight = false);
    virtual void DeleteColumn(int column);
    virtual void EditLabel(int item);
    virtual void GetAllRows(RowArray &rows);
    virtual RowRecord GetRow(int item);
    virtual COLORREF GetTextColor();
    virtual void SetTextColor(COLORREF color);
    virtual void RedrawVisibleItems();
    virtual int GetTopIndex();
    virtual int GetCountPerPage();
    virtual COLORREF GetTextBkColor();
    virtual void SetTextBkColor(COLORREF color);
    virtual COLORREF GetBkColor();
    virtual void SetBkColor(COLORREF color);
    // View codes: 0 large icons, 1 small icons, 2 list, 3 report, 4 tiles; -1 any other view.
    virtual int GetViewMode();
    virtual void SetViewMode(int code);
    virtual std::string GetBkImagePath();
    virtual void SetBkImage(const std::string &path, bool tile = true);
    virtual int GetHotItem();
    virtual DWORD GetItemSpacing(); // horizontal in the low word, vertical in the high word
    virtual HWND GetEditControl();
    virtual void GetItemSpacingXY(int &horizontal, int &vertical, bool smallIcons = false);
    // Order 1 ascending, anything else descending; column 0 is the item's own text.
    virtual void SortByColumn(int column, int order = 1);
    // Without a new state only asks; returns whether LVS_SINGLESEL is set afterwards.
    virtual bool SingleSelection(std::optional<bool> newState = std::nullopt);
    virtual int GetFirstSelected();
    virtual void SingleSelectItem(int item);
    virtual bool ExportHtml(const std::string &path, bool header = false);
    virtual void EnableRemote();
    virtual void DisableRemote();

    HWND Window = nullptr;
    HWND HeaderWindow = nullptr;
    bool Remote = false;
    std::unique_ptr<RemoteMemoryBroker> Broker;
    HANDLE Process = nullptr;

protected:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
};
