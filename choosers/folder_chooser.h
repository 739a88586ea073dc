// Asks for the output folder with the system's folder dialog and writes it into the folder box.
#pragma once

#include <windows.h>

#include <string>

struct FolderChooserOptions {
    std::string title = "请选择一个文件夹";
    bool includeFiles = false;
    bool showEditBox = false;
    bool newDialogStyle = true;
};

// Opens the folder dialog with `initialFolder` selected and returns the chosen folder's path without leading
// or trailing spaces; the empty text when the dialog was cancelled or the choice has no file-system path.
// InitialFolder keeps a copy of `initialFolder` afterwards.
std::string FolderChooser(HWND owner, const std::string &initialFolder,
                          const FolderChooserOptions &options = {});

// Writes the chosen folder into the folder box, whatever it is: a cancel empties the box.
void ChooseOutputFolder(HWND mainWindow, HWND folderBox);
