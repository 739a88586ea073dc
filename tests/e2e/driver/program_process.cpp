#include "program_process.h"

#include <vector>

ProgramProcess::ProgramProcess(const std::string &program, const std::string &currentDirectory) {
    std::vector<char> commandLine(program.begin(), program.end());
    commandLine.insert(commandLine.begin(), '"');
    commandLine.push_back('"');
    commandLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        currentDirectory.c_str(), &startup, &info))
        return;
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
}

ProgramProcess::~ProgramProcess() {
    if (!process_)
        return;
    // A test that failed half-way must not leave the program on the display for the next one.
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT)
        TerminateProcess(process_, 1);
    CloseHandle(process_);
}

long ProgramProcess::WaitForExit(DWORD limit) {
    if (!process_ || WaitForSingleObject(process_, limit) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return static_cast<long>(code);
}
