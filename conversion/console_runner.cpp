#include "conversion/console_runner.h"

#include "app/globals.h"
#include "conversion/command_line.h"

#include <cstring>
#include <vector>

namespace {

static_assert(sizeof(SECURITY_ATTRIBUTES) == 12, "the 32-bit SECURITY_ATTRIBUTES");
static_assert(sizeof(STARTUPINFOA) == 68, "the 32-bit STARTUPINFOA");

// An anonymous pipe cannot be waited on, so while the process runs silently the runner looks into the
// pipe again after this long at the latest. Window messages and the end of the process wake it at once.
const DWORD PipePollMilliseconds = 20;

const size_t ReadBufferBytes = 1024;

// Closes the handle held in one of the global cells on every way out, and empties the cell.
class HandleCell {
public:
    explicit HandleCell(HANDLE &cell) : cell_(cell) {}
    HandleCell(const HandleCell &) = delete;
    HandleCell &operator=(const HandleCell &) = delete;
    ~HandleCell() { Close(); }

    void Close() {
        if (cell_) {
            CloseHandle(cell_);
            cell_ = nullptr;
        }
    }

private:
    HANDLE &cell_;
};

void ReplaceCapturedOutput(char *text) {
    if (CapturedOutput)
        HeapRelease(CapturedOutput);
    CapturedOutput = text;
}

void AppendCapturedOutput(const char *piece) {
    size_t had = std::strlen(CapturedOutput), adds = std::strlen(piece);
    if (adds == 0)
        return;
    auto *grown = static_cast<char *>(HeapAlloc(GetProcessHeap(), 0, had + adds + 1));
    std::memcpy(grown, CapturedOutput, had);
    std::memcpy(grown + had, piece, adds + 1);
    ReplaceCapturedOutput(grown);
}

// One read into a fresh zeroed buffer one byte longer than the read, so that the piece always ends inside
// it; a NUL byte in the output ends the piece early.
void ReadPiece() {
    if (ReadBuffer)
        HeapRelease(ReadBuffer);
    ReadBuffer = static_cast<BYTE *>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, ReadBufferBytes));
    ReadFile(PipeReadHandle, ReadBuffer, ReadBufferBytes - 1, &PipeBytesCount, nullptr);
    AppendCapturedOutput(reinterpret_cast<const char *>(ReadBuffer));
}

void PrepareStartupRecord() {
    ChildStartupInfo->cb = sizeof(STARTUPINFOA);
    ChildStartupInfo->dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    ChildStartupInfo->wShowWindow = SW_HIDE;
    ChildStartupInfo->hStdOutput = PipeWriteHandle;
    ChildStartupInfo->hStdError = PipeWriteHandle;
}

STARTUPINFOA SystemStartupInfo(const StartupRecord &record) {
    STARTUPINFOA info{};
    info.cb = record.cb;
    info.lpReserved = record.lpReserved;
    info.lpDesktop = record.lpDesktop;
    info.lpTitle = record.lpTitle;
    info.dwX = record.dwX;
    info.dwY = record.dwY;
    info.dwXSize = record.dwXSize;
    info.dwYSize = record.dwYSize;
    info.dwXCountChars = record.dwXCountChars;
    info.dwYCountChars = record.dwYCountChars;
    info.dwFillAttribute = record.dwFillAttribute;
    info.dwFlags = record.dwFlags;
    info.wShowWindow = static_cast<WORD>(record.wShowWindow);
    info.cbReserved2 = static_cast<WORD>(record.cbReserved2);
    info.lpReserved2 = record.lpReserved2;
    info.hStdInput = record.hStdInput;
    info.hStdOutput = record.hStdOutput;
    info.hStdError = record.hStdError;
    return info;
}

// Dispatches the messages already waiting and returns at once. Returns false at WM_QUIT, which it posts
// again so that the main loop still ends the program once the run is over.
bool DispatchWaitingMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

// Reads the pipe until the process has ended and the pipe is empty. The end is learnt from the process
// handle, because a process may itself exit with STILL_ACTIVE (259), and it is learnt before the look into
// the pipe, so that what the process wrote just before it ended is read too.
void CollectOutput(HANDLE process) {
    bool dispatching = true;
    for (;;) {
        bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
        if (PeekNamedPipe(PipeReadHandle, nullptr, 0, nullptr, &PipeBytesCount, nullptr) &&
            PipeBytesCount != 0)
            ReadPiece();
        else if (ended)
            break;
        else if (dispatching)
            MsgWaitForMultipleObjectsEx(1, &process, PipePollMilliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        else
            WaitForSingleObject(process, PipePollMilliseconds);
        if (dispatching)
            dispatching = DispatchWaitingMessages();
    }
    GetExitCodeProcess(process, &ChildExitCode);
}

std::string StartFailure(const char *call) {
    return std::string(call) + " failed with error " + std::to_string(GetLastError());
}

DWORD PlatformId() {
    OSVERSIONINFOA version{sizeof(version)};
    GetVersionExA(&version);
    return version.dwPlatformId;
}

} // namespace

std::string ConsoleRunner(const std::string &commandLine) {
    return RunCaptured(InterpreterPrefix(PlatformId()) + commandLine);
}

std::string RunCaptured(const std::string &fullLine) {
    ReplaceCapturedOutput(HeapText(""));
    *PipeAttributes = {sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    if (!CreatePipe(&PipeReadHandle, &PipeWriteHandle, PipeAttributes, 0))
        return StartFailure("CreatePipe");
    HandleCell readEnd(PipeReadHandle), writeEnd(PipeWriteHandle);

    PrepareStartupRecord();
    STARTUPINFOA startup = SystemStartupInfo(*ChildStartupInfo);
    std::vector<char> line(fullLine.begin(), fullLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        ChildProcessInfo))
        return StartFailure("CreateProcessA");
    HandleCell process(ChildProcessInfo->hProcess), thread(ChildProcessInfo->hThread);
    thread.Close();
    // Only the interpreter and what it starts may hold the write end now, or the pipe would never break.
    writeEnd.Close();

    CollectOutput(ChildProcessInfo->hProcess);
    return CapturedOutput;
}
