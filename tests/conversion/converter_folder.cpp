#include "converter_folder.h"

#include <windows.h>
#include <shlwapi.h>

#include <fstream>
#include <iterator>

namespace {

std::string TestProgramFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    PathRemoveFileSpecA(path);
    return path;
}

std::string FreshTemporaryFolder() {
    static int made = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string path;
    do
        path = std::string(temp) + "orvanta-conversion-" + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(++made);
    while (!CreateDirectoryA(path.c_str(), nullptr));
    return path;
}

} // namespace

ConverterFolder::ConverterFolder(const char *standIn, Place place)
    : place_(place), path_(place == Place::Temporary ? FreshTemporaryFolder() : TestProgramFolder()) {
    if (standIn) {
        std::string source = TestProgramFolder() + "\\stand_in_" + standIn + ".exe";
        CopyFileA(source.c_str(), Converter().c_str(), FALSE);
    }
}

ConverterFolder::~ConverterFolder() {
    DeleteFileA(Converter().c_str());
    DeleteFileA((path_ + "\\calls.txt").c_str());
    if (place_ == Place::Temporary)
        RemoveDirectoryA(path_.c_str());
}

std::vector<std::string> ConverterFolder::Calls() const {
    std::ifstream log(path_ + "\\calls.txt", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    std::vector<std::string> calls;
    for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        calls.push_back(text.substr(start, end - start));
    return calls;
}
