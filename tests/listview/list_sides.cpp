#include "tests/listview/list_sides.h"

#include "tests/listview/list_commands.h"

#include <memory>
#include <stdexcept>

namespace {

std::string Handle(HWND window) { return std::to_string(reinterpret_cast<UINT_PTR>(window)); }

std::string Join(const std::vector<std::string> &fields) {
    std::string line;
    for (const std::string &field : fields)
        line += (line.empty() ? "" : "\t") + field;
    return line;
}

class OwnSide : public ListSide {
public:
    std::string Do(const std::string &command) override { return RunListCommand(command); }
};

class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE handle = nullptr) : handle_(handle) {}
    OwnedHandle(const OwnedHandle &) = delete;
    OwnedHandle &operator=(const OwnedHandle &) = delete;
    ~OwnedHandle() {
        if (handle_)
            CloseHandle(handle_);
    }
    HANDLE get() const { return handle_; }
    HANDLE *out() { return &handle_; }

private:
    HANDLE handle_;
};

// The host reads commands on its standard input and answers on its standard output.
class HostSide : public ListSide {
public:
    HostSide() {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        OwnedHandle childInput, childOutput;
        if (!CreatePipe(childInput.out(), toHost_.out(), &inherit, 0) ||
            !CreatePipe(fromHost_.out(), childOutput.out(), &inherit, 0))
            throw std::runtime_error("no pipe for the list host");
        SetHandleInformation(toHost_.get(), HANDLE_FLAG_INHERIT, 0);
        SetHandleInformation(fromHost_.get(), HANDLE_FLAG_INHERIT, 0);

        char path[MAX_PATH];
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string command = path;
        command = command.substr(0, command.find_last_of('\\') + 1) + "list_view_host.exe";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = childInput.get();
        startup.hStdOutput = childOutput.get();
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                            &process))
            throw std::runtime_error("cannot start " + command);
        CloseHandle(process.hThread);
        *process_.out() = process.hProcess;
    }

    ~HostSide() override {
        Send("quit");
        WaitForSingleObject(process_.get(), 5000);
    }

    std::string Do(const std::string &command) override {
        Send(command);
        return Answer();
    }

private:
    void Send(const std::string &command) {
        const std::string line = command + '\n';
        DWORD written = 0;
        WriteFile(toHost_.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }

    // A host that stops answering fails the test instead of hanging it.
    std::string Answer() {
        std::string answer;
        const DWORD deadline = GetTickCount() + 30000;
        while (GetTickCount() < deadline) {
            DWORD waiting = 0;
            if (!PeekNamedPipe(fromHost_.get(), nullptr, 0, nullptr, &waiting, nullptr))
                return "host gone";
            if (!waiting) {
                Sleep(1);
                continue;
            }
            char byte;
            DWORD read = 0;
            ReadFile(fromHost_.get(), &byte, 1, &read, nullptr);
            if (byte == '\n')
                return answer;
            answer += byte;
        }
        return "host timed out";
    }

    OwnedHandle toHost_, fromHost_, process_;
};

} // namespace

HWND ListSide::List(DWORD style, DWORD extendedStyle) {
    return reinterpret_cast<HWND>(
        std::stoul(Do(Join({"list", std::to_string(style), std::to_string(extendedStyle)}))));
}

void ListSide::Column(HWND list, int width, const std::string &caption) {
    Do(Join({"column", Handle(list), std::to_string(width), caption}));
}

void ListSide::Row(HWND list, const std::vector<std::string> &texts) {
    std::vector<std::string> fields{"row", Handle(list)};
    fields.insert(fields.end(), texts.begin(), texts.end());
    Do(Join(fields));
}

void ListSide::Item(HWND list, int index, int image, int stateImage, int param, int indent) {
    Do(Join({"item", Handle(list), std::to_string(index), std::to_string(image), std::to_string(stateImage),
             std::to_string(param), std::to_string(indent)}));
}

void ListSide::Select(HWND list, int index) { Do(Join({"select", Handle(list), std::to_string(index)})); }

void ListSide::Lock(HWND list) { Do(Join({"lock", Handle(list)})); }

LRESULT ListSide::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return std::stol(Do(Join(
        {"send", Handle(window), std::to_string(message), std::to_string(wParam), std::to_string(lParam)})));
}

void ListSide::Answer(HWND window, UINT message, LRESULT value) {
    Do(Join({"answer", Handle(window), std::to_string(message), std::to_string(value)}));
}

std::string ListSide::Dump(HWND list) { return Do(Join({"dump", Handle(list)})); }

std::string ListSide::Texts(HWND list) { return Do(Join({"texts", Handle(list)})); }

DWORD ListSide::Style(HWND list) { return std::stoul(Do(Join({"style", Handle(list)}))); }

void ListSide::Destroy(HWND list) { Do(Join({"destroy", Handle(list)})); }

ListSide &OwnProcessLists() {
    static OwnSide side;
    return side;
}

ListSide &HostProcessLists() {
    static HostSide side;
    return side;
}
