// Orvanta.exe started as a process of its own, the way a user starts it, and ended if a test gives up on it.
#pragma once

#include <windows.h>

#include <string>

class ProgramProcess {
public:
    // Starts `program` with `currentDirectory` as its current directory; Started() says whether it did.
    ProgramProcess(const std::string &program, const std::string &currentDirectory);
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess &) = delete;
    ProgramProcess &operator=(const ProgramProcess &) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    HANDLE Handle() const { return process_; }
    // The exit code once the process has ended within `limit` milliseconds; -1 when it is still running.
    long WaitForExit(DWORD limit);

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};
