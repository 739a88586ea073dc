// A real window holding a three-column report list and a folder box, as the main window does, that runs
// test code on posted, sent and timer messages, so that a test can act from inside a running conversion.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class FileListWindow {
public:
    FileListWindow();
    FileListWindow(const FileListWindow &) = delete;
    FileListWindow &operator=(const FileListWindow &) = delete;
    ~FileListWindow();

    HWND Window() const { return window_; }
    HWND List() const { return list_; }
    HWND FolderBox() const { return folderBox_; }

    void AddRow(const std::string &path);
    std::string Status(int row) const;
    int RowCount() const;
    void SetFolder(const std::string &text);

    // Runs action at the next dispatch of window messages.
    void PostAction(std::function<void()> action);
    // SendAction, which any thread may call, runs the action set here on the window's thread; it returns
    // false when the message was not answered within the time-out.
    void SetSentAction(std::function<void()> action) { sent_ = std::move(action); }
    bool SendAction(DWORD timeoutMilliseconds) const;
    // Runs action at the first WM_TIMER after the given delay.
    void ActionAfter(UINT milliseconds, std::function<void()> action);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr, list_ = nullptr, folderBox_ = nullptr;
    std::function<void()> posted_, sent_, timed_;
};
