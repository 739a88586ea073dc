// Hosts list views for the cross-process tests: reads list commands from standard input, runs them on
// its GUI thread and answers each on standard output. The GUI thread keeps pumping messages, so the
// tests' accessor can talk to these lists while the next command waits.
#include "tests/listview/list_commands.h"

#include <windows.h>

#include <string>
#include <thread>

namespace {

constexpr UINT kRunCommand = WM_APP + 1;

struct Command {
    std::string line;
    std::string answer;
};

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRunCommand) {
        auto *command = reinterpret_cast<Command *>(lParam);
        command->answer = RunListCommand(command->line);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool ReadLine(HANDLE input, std::string &line) {
    line.clear();
    char byte;
    DWORD read = 0;
    while (ReadFile(input, &byte, 1, &read, nullptr) && read == 1) {
        if (byte == '\n')
            return true;
        if (byte != '\r')
            line += byte;
    }
    return false;
}

void WriteLine(HANDLE output, const std::string &text) {
    const std::string line = text + '\n';
    DWORD written = 0;
    WriteFile(output, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

} // namespace

int main() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = HostProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "OrvantaListViewHost";
    RegisterClassA(&windowClass);
    HWND host = CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                windowClass.hInstance, nullptr);
    const DWORD guiThread = GetCurrentThreadId();

    std::thread reader([host, guiThread] {
        HANDLE input = GetStdHandle(STD_INPUT_HANDLE), output = GetStdHandle(STD_OUTPUT_HANDLE);
        Command command;
        while (ReadLine(input, command.line) && command.line != "quit") {
            SendMessageA(host, kRunCommand, 0, reinterpret_cast<LPARAM>(&command));
            WriteLine(output, command.answer);
        }
        PostThreadMessageA(guiThread, WM_QUIT, 0, 0);
    });

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    reader.join();
    return 0;
}
