#include "remote_file_list.h"

#include <commctrl.h>

RemoteFileList::RemoteFileList(HWND list) : bound_(accessor_.Bind(list, true)) {}

std::vector<std::string> RemoteFileList::Column(int column) {
    std::vector<std::string> texts;
    for (int row = 0, count = Count(); row < count; ++row)
        texts.push_back(Text(row, column));
    return texts;
}

RECT RemoteFileList::RowRect(int row) {
    RECT rect{LVIR_BOUNDS, 0, 0, 0};
    RemoteMemoryBroker &broker = *accessor_.Broker;
    void *remote = broker.Reserve(accessor_.Process, sizeof(rect));
    if (!remote)
        return {};
    broker.Write(accessor_.Process, remote, &rect, sizeof(rect));
    if (SendMessageA(accessor_.Window, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(remote))) {
        const std::vector<char> back = broker.Read(accessor_.Process, remote, sizeof(rect));
        memcpy(&rect, back.data(), sizeof(rect));
    } else {
        rect = {};
    }
    broker.Release(accessor_.Process, remote);
    return rect;
}
