// Records the messages of chosen kinds that a window of the test process receives.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <set>
#include <vector>

class MessageLog {
public:
    struct Entry {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        bool operator==(const Entry &other) const {
            return message == other.message && wParam == other.wParam && lParam == other.lParam;
        }
    };

    MessageLog(HWND window, std::set<UINT> kinds) : window_(window), kinds_(std::move(kinds)) {
        SetWindowSubclass(window_, Record, 7, reinterpret_cast<DWORD_PTR>(this));
    }
    MessageLog(const MessageLog &) = delete;
    MessageLog &operator=(const MessageLog &) = delete;
    ~MessageLog() { RemoveWindowSubclass(window_, Record, 7); }

    std::vector<Entry> entries;

private:
    static LRESULT CALLBACK Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR data) {
        auto *log = reinterpret_cast<MessageLog *>(data);
        if (log->kinds_.count(message))
            log->entries.push_back({message, wParam, lParam});
        return DefSubclassProc(window, message, wParam, lParam);
    }

    HWND window_;
    std::set<UINT> kinds_;
};
