// A stand-in for the main window: a shown top-level window with a three-column report list and an edit box,
// as the choosers' handlers expect them.
#pragma once

#include <windows.h>

#include <string>

class TestOwner {
public:
    TestOwner();
    ~TestOwner();
    TestOwner(const TestOwner &) = delete;
    TestOwner &operator=(const TestOwner &) = delete;

    HWND Window() const { return window_; }
    HWND FileList() const { return fileList_; }
    HWND FolderBox() const { return folderBox_; }

    void AddRow(const std::string &number, const std::string &path);
    int RowCount() const;
    std::string CellText(int row, int column) const;
    std::string FolderText() const;

private:
    HWND window_;
    HWND fileList_;
    HWND folderBox_;
};
