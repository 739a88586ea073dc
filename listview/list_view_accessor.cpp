#include "listview/list_view_accessor.h"

#include "listview/row_sort.h"

#include <cstring>

ListViewAccessor::ListViewAccessor(std::unique_ptr<RemoteMemoryBroker> broker) : Broker(std::move(broker)) {}

ListViewAccessor::~ListViewAccessor() { Broker->Close(Process); }

std::unique_ptr<ListViewAccessor> ListViewAccessor::Clone() const {
    auto copy = std::make_unique<ListViewAccessor>(Broker->Clone());
    copy->Window = Window;
    copy->HeaderWindow = HeaderWindow;
    copy->Remote = Remote;
    if (Process)
        DuplicateHandle(GetCurrentProcess(), Process, GetCurrentProcess(), &copy->Process, 0, FALSE,
                        DUPLICATE_SAME_ACCESS);
    return copy;
}

bool ListViewAccessor::Bind(HWND window, bool remote, const char *className) {
    char windowClass[50] = {};
    if (!GetClassNameA(window, windowClass, sizeof windowClass) || std::strcmp(windowClass, className) != 0)
        return false;
    Remote = remote;
    Window = window;
    // A second Bind would otherwise leak the handle of the first.
    Broker->Close(Process);
    Process = Broker->OpenWindowProcess(window);
    return true;
}

void ListViewAccessor::SortRows(RowArray &rows, int key, int first, int last) {
    SortRowRange(rows, first, last, key);
}

void ListViewAccessor::EnableRemote() { Remote = true; }

void ListViewAccessor::DisableRemote() { Remote = false; }

LRESULT ListViewAccessor::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendMessageA(Window, message, wParam, lParam);
}
