// Where a test's list views live: in the test process, or in the list_view_host process, set up by
// the same commands either way.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class ListSide {
public:
    virtual ~ListSide() = default;
    virtual std::string Do(const std::string &command) = 0;

    HWND List(DWORD style, DWORD extendedStyle = 0);
    void Column(HWND list, int width, const std::string &caption);
    void Row(HWND list, const std::vector<std::string> &texts);
    void Item(HWND list, int index, int image, int stateImage, int param, int indent);
    void Select(HWND list, int index);
    void Lock(HWND list);
    LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Answer(HWND window, UINT message, LRESULT value);
    std::string Dump(HWND list);
    std::string Texts(HWND list);
    DWORD Style(HWND list);
    void Destroy(HWND list);
};

ListSide &OwnProcessLists();
// Started on first use and ended when the test program ends.
ListSide &HostProcessLists();
