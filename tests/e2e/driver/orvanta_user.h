// A user at a running Orvanta: starts it, clicks its buttons at the places its layout gives them, works the
// open dialog, types into the folder box, and reads the file list from outside. Every wait has a time limit,
// so that a stuck program fails the caller instead of hanging it.
#pragma once

#include "program_process.h"
#include "remote_file_list.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class OrvantaUser {
public:
    // Starts `program` in `currentDirectory`, which is where its open dialog starts, and waits for the
    // main window. Ready() says whether it came up and its file list could be bound.
    OrvantaUser(const std::string &program, const std::string &currentDirectory);

    bool Ready() const { return list_ && list_->Bound() && folderBox_; }
    HWND MainWindow() const { return main_; }
    RemoteFileList &List() { return *list_; }
    ProgramProcess &Process() { return process_; }

    // Clicks "添加PDF文件", types `names` (quoted file names of the dialog's folder) into the dialog's name
    // box and clicks its open button; true when the dialog opened and closed again.
    bool AddFiles(const std::string &names);
    // Presses on the folder hint, types `folder` and checks that the box holds it.
    bool TypeOutputFolder(const std::string &folder);
    void ClickStart();
    void ClickDelete();
    void ClickClear();
    // Clicks the row's path, which selects it.
    void ClickRow(int row);
    // Opens the about box through the menu and closes it with its own close button; true when it showed
    // and went away.
    bool OpenAndCloseAbout();
    void ClickClose();

private:
    bool WaitForDialog(HWND &dialog);

    ProgramProcess process_;
    HWND main_ = nullptr;
    HWND listWindow_ = nullptr;
    HWND folderBox_ = nullptr;
    std::unique_ptr<RemoteFileList> list_;
};
