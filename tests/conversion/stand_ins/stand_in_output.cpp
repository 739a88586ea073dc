#include "stand_in_output.h"

#include <shlwapi.h>

void Print(DWORD standardHandle, const std::string &bytes) {
    DWORD written;
    WriteFile(GetStdHandle(standardHandle), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
              nullptr);
}

void RecordCall() {
    char log[MAX_PATH];
    GetModuleFileNameA(nullptr, log, MAX_PATH);
    PathRemoveFileSpecA(log);
    PathAppendA(log, "calls.txt");
    HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
    std::string line = std::string(GetCommandLineA()) + "\r\n";
    DWORD written;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}
