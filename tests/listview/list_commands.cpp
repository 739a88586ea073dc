#include "tests/listview/list_commands.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <sstream>
#include <vector>

namespace {

std::vector<std::string> Fields(const std::string &command) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(command);
    while (std::getline(in, field, '\t'))
        fields.push_back(field);
    return fields;
}

HWND HandleOf(const std::string &field) { return reinterpret_cast<HWND>(std::stoul(field)); }

HWND Parent() {
    static HWND parent = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        return CreateWindowExA(0, "STATIC", "lists", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    }();
    return parent;
}

LRESULT CALLBACK RefuseSingleSelection(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR) {
    if (message == WM_STYLECHANGING && wParam == static_cast<WPARAM>(GWL_STYLE))
        reinterpret_cast<STYLESTRUCT *>(lParam)->styleNew &= ~LVS_SINGLESEL;
    return DefSubclassProc(window, message, wParam, lParam);
}

struct FixedAnswer {
    UINT message;
    LRESULT value;
};

LRESULT CALLBACK AnswerFixed(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                             DWORD_PTR data) {
    auto *answer = reinterpret_cast<FixedAnswer *>(data);
    if (message == answer->message)
        return answer->value;
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, AnswerFixed, id);
        delete answer;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// Wine's list view keeps no background image named by a path, so `bkimage` stands in for that part
// of the control: it keeps what LVM_SETBKIMAGEA was given and answers LVM_GETBKIMAGEA with the path.
struct BackgroundImage {
    ULONG flags = 0;
    int x = 0, y = 0;
    std::string path;
};

LRESULT CALLBACK KeepBackgroundImage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR data) {
    auto *image = reinterpret_cast<BackgroundImage *>(data);
    auto *record = reinterpret_cast<LVBKIMAGEA *>(lParam);
    switch (message) {
    case LVM_SETBKIMAGEA:
        *image = {record->ulFlags, record->xOffsetPercent, record->yOffsetPercent,
                  std::string(record->pszImage, strnlen(record->pszImage, record->cchImageMax))};
        return TRUE;
    case LVM_GETBKIMAGEA:
        lstrcpynA(record->pszImage, image->path.c_str(), record->cchImageMax);
        return TRUE;
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, KeepBackgroundImage, id);
        delete image;
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

std::string Dump(HWND list, bool withNumbers = true) {
    const int columns = static_cast<int>(SendMessageA(ListView_GetHeader(list), HDM_GETITEMCOUNT, 0, 0));
    const int count = ListView_GetItemCount(list);
    std::string dump;
    for (int i = 0; i < count; ++i) {
        for (int c = 0; c < std::max(columns, 1); ++c) {
            char text[1024] = {};
            ListView_GetItemText(list, i, c, text, sizeof text);
            dump += text;
            dump += ',';
        }
        if (!withNumbers) {
            dump.back() = '|';
            continue;
        }
        LVITEMA item{};
        item.mask = LVIF_IMAGE | LVIF_STATE | LVIF_PARAM | LVIF_INDENT;
        item.iItem = i;
        item.stateMask = ~0u;
        SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        std::ostringstream numbers;
        numbers << item.iImage << ';' << std::hex << item.state << std::dec << ';' << item.lParam << ';'
                << item.iIndent;
        dump += numbers.str() + '|';
    }
    return dump;
}

std::string Run(const std::vector<std::string> &f) {
    const std::string &verb = f.at(0);
    if (verb == "list") {
        HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | std::stoul(f.at(1)), 0, 0,
                                    300, 200, Parent(), nullptr, GetModuleHandleA(nullptr), nullptr);
        ListView_SetExtendedListViewStyle(list, std::stoul(f.at(2)));
        return std::to_string(reinterpret_cast<UINT_PTR>(list));
    }
    HWND list = HandleOf(f.at(1));
    if (verb == "column") {
        LVCOLUMNA column{};
        column.mask = LVCF_WIDTH | LVCF_TEXT;
        column.cx = std::stoi(f.at(2));
        column.pszText = const_cast<char *>(f.at(3).c_str());
        const int count = static_cast<int>(SendMessageA(ListView_GetHeader(list), HDM_GETITEMCOUNT, 0, 0));
        return std::to_string(
            SendMessageA(list, LVM_INSERTCOLUMNA, count, reinterpret_cast<LPARAM>(&column)));
    }
    if (verb == "row") {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = ListView_GetItemCount(list);
        item.pszText = const_cast<char *>(f.at(2).c_str());
        const int index =
            static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        for (std::size_t k = 3; k < f.size(); ++k)
            ListView_SetItemText(list, index, static_cast<int>(k - 2), const_cast<char *>(f[k].c_str()));
        return std::to_string(index);
    }
    if (verb == "item") {
        LVITEMA item{};
        item.mask = LVIF_IMAGE | LVIF_STATE | LVIF_PARAM | LVIF_INDENT;
        item.iItem = std::stoi(f.at(2));
        item.iImage = std::stoi(f.at(3));
        item.state = INDEXTOSTATEIMAGEMASK(std::stoi(f.at(4)) + 1);
        item.stateMask = LVIS_STATEIMAGEMASK;
        item.lParam = std::stoi(f.at(5));
        item.iIndent = std::stoi(f.at(6));
        return std::to_string(SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    }
    if (verb == "select") {
        ListView_SetItemState(list, std::stoi(f.at(2)), LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
        return "ok";
    }
    if (verb == "lock")
        return std::to_string(SetWindowSubclass(list, RefuseSingleSelection, 1, 0));
    if (verb == "send")
        return std::to_string(
            SendMessageA(list, std::stoul(f.at(2)), std::stoul(f.at(3)), std::stol(f.at(4))));
    if (verb == "answer") {
        auto *answer = new FixedAnswer{static_cast<UINT>(std::stoul(f.at(2))), std::stol(f.at(3))};
        return std::to_string(
            SetWindowSubclass(list, AnswerFixed, answer->message, reinterpret_cast<DWORD_PTR>(answer)));
    }
    if (verb == "bkimage") {
        static_assert(sizeof(LVBKIMAGEA) == 24, "the 32-bit layout the accessor stages");
        return std::to_string(SetWindowSubclass(list, KeepBackgroundImage, 1,
                                                reinterpret_cast<DWORD_PTR>(new BackgroundImage)));
    }
    if (verb == "bkrecord") {
        BackgroundImage *image = nullptr;
        GetWindowSubclass(list, KeepBackgroundImage, 1, reinterpret_cast<DWORD_PTR *>(&image));
        return image ? std::to_string(image->flags) + ';' + std::to_string(image->x) + ';' +
                           std::to_string(image->y) + ';' + image->path
                     : "none";
    }
    if (verb == "dump")
        return Dump(list);
    if (verb == "texts")
        return Dump(list, false);
    if (verb == "style")
        return std::to_string(static_cast<DWORD>(GetWindowLongA(list, GWL_STYLE)));
    if (verb == "destroy")
        return std::to_string(DestroyWindow(list));
    return "unknown command";
}

} // namespace

std::string RunListCommand(const std::string &command) {
    try {
        return Run(Fields(command));
    } catch (const std::exception &error) {
        return std::string("bad command: ") + error.what();
    }
}
