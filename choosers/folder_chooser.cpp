#include "choosers/folder_chooser.h"

#include "app/globals.h"
#include "app/text_trim.h"

#include <ole2.h>
#include <shlobj.h>

namespace {

// The new-style dialog hosts shell views and drag and drop: the thread must be in an OLE apartment.
class OleApartment {
public:
    OleApartment() : joined_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleApartment() {
        if (joined_)
            OleUninitialize();
    }
    OleApartment(const OleApartment &) = delete;
    OleApartment &operator=(const OleApartment &) = delete;

private:
    bool joined_;
};

class ItemIdList {
public:
    explicit ItemIdList(PIDLIST_ABSOLUTE list) : list_(list) {}
    ~ItemIdList() { CoTaskMemFree(list_); }
    ItemIdList(const ItemIdList &) = delete;
    ItemIdList &operator=(const ItemIdList &) = delete;
    PIDLIST_ABSOLUTE get() const { return list_; }

private:
    PIDLIST_ABSOLUTE list_;
};

int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM, LPARAM) {
    if (message == BFFM_INITIALIZED)
        SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(InitialFolder));
    return 1;
}

void SetInitialFolder(const std::string &folder) {
    if (InitialFolder)
        HeapRelease(InitialFolder);
    InitialFolder = HeapText(folder.c_str());
}

// The folder of the program's own file, without a trailing backslash.
std::string RunDirectory() {
    std::string path(MAX_PATH, '\0');
    DWORD length;
    while ((length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    return path.substr(0, path.rfind('\\'));
}

} // namespace

std::string FolderChooser(HWND owner, const std::string &initialFolder, const FolderChooserOptions &options) {
    BROWSEINFOA browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = options.title.c_str();
    browse.ulFlags = (options.showEditBox ? BIF_EDITBOX : 0) |
                     (options.newDialogStyle ? BIF_NEWDIALOGSTYLE : 0) |
                     (options.includeFiles ? BIF_BROWSEINCLUDEFILES : 0);
    browse.lpfn = BrowseCallback;

    std::string path(512, ' ');
    SetInitialFolder(initialFolder);

    OleApartment apartment;
    // A cancel returns no list, and then nothing is written into the buffer: its spaces trim to the empty
    // text.
    ItemIdList chosen(SHBrowseForFolderA(&browse));
    if (chosen.get())
        SHGetPathFromIDListA(chosen.get(), path.data());
    return TrimSpaces(path.substr(0, path.find('\0')));
}

void ChooseOutputFolder(HWND mainWindow, HWND folderBox) {
    FolderChooserOptions options;
    options.title = "请选择或创建一个用来保存转换后的word文档的目录";
    options.showEditBox = true;
    SetWindowTextA(folderBox, FolderChooser(mainWindow, RunDirectory(), options).c_str());
}
