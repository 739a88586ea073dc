#include "test_folder.h"

#include <windows.h>
#include <shellapi.h>

TestFolder::TestFolder() {
    char temp[MAX_PATH], name[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    GetTempFileNameA(temp, "orv", 0, name);
    DeleteFileA(name);
    CreateDirectoryA(name, nullptr);
    // The long form, so that paths compare equal to what the dialogs return.
    char full[MAX_PATH];
    GetLongPathNameA(name, full, MAX_PATH);
    path_ = full;
}

TestFolder::~TestFolder() {
    std::string from = path_ + '\0';
    SHFILEOPSTRUCTA remove{};
    remove.wFunc = FO_DELETE;
    remove.pFrom = from.c_str();
    remove.fFlags = FOF_NO_UI;
    SHFileOperationA(&remove);
}

std::string TestFolder::AddFile(const std::string &name) const {
    std::string path = path_ + "\\" + name;
    CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    return path;
}

std::string TestFolder::AddFolder(const std::string &name) const {
    std::string path = path_ + "\\" + name;
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

std::string CurrentDirectory() {
    char directory[MAX_PATH];
    return std::string(directory, GetCurrentDirectoryA(MAX_PATH, directory));
}

std::string RunDirectory() {
    char path[MAX_PATH];
    std::string module(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return module.substr(0, module.rfind('\\'));
}
