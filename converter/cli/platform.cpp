#include "cli/platform.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#else
#include <unistd.h>
#endif

namespace pwt::cli {

#ifdef _WIN32

namespace {

std::string narrow(const wchar_t *wide, int length, UINT codePage) {
    const int bytes = WideCharToMultiByte(codePage, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string out(bytes > 0 ? bytes : 0, '\0');
    if (bytes > 0)
        WideCharToMultiByte(codePage, 0, wide, length, out.data(), bytes, nullptr, nullptr);
    return out;
}

std::wstring widen(const std::string &utf8) {
    const int chars = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring out(chars > 0 ? chars : 0, L'\0');
    if (chars > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), out.data(), chars);
    return out;
}

// The array CommandLineToArgvW allocates, freed with LocalFree.
class LocalArgv {
public:
    explicit LocalArgv(wchar_t **argv) : argv(argv) {}
    LocalArgv(const LocalArgv &) = delete;
    LocalArgv &operator=(const LocalArgv &) = delete;
    ~LocalArgv() { LocalFree(argv); }

    wchar_t **const argv;
};

std::string lastErrorText() {
    wchar_t *text = nullptr;
    const DWORD code = GetLastError();
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    std::string message = text ? narrow(text, -1, CP_UTF8) : "error " + std::to_string(code);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\0' || message.back() == '\n' || message.back() == '\r' ||
                                message.back() == '.'))
        message.pop_back();
    return message;
}

} // namespace

std::vector<std::string> utf8Arguments(int, char **) {
    int count = 0;
    const LocalArgv wide(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::string> args;
    for (int i = 1; wide.argv && i < count; ++i)
        args.push_back(narrow(wide.argv[i], -1, CP_UTF8).c_str());
    return args;
}

std::filesystem::path pathFromUtf8(const std::string &utf8) { return std::filesystem::path(widen(utf8)); }

std::string utf8FromPath(const std::filesystem::path &path) {
    return narrow(path.c_str(), -1, CP_UTF8).c_str();
}

std::string replaceFile(const std::filesystem::path &from, const std::filesystem::path &to) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING))
        return {};
    return lastErrorText();
}

std::filesystem::path executableFolder() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
        if (n < name.size()) {
            name.resize(n);
            break;
        }
        name.resize(name.size() * 2);
    }
    return std::filesystem::path(name).parent_path();
}

void writeLine(std::ostream &out, const std::string &utf8) {
    const std::wstring wide = widen(utf8);
    out << narrow(wide.data(), int(wide.size()), GetConsoleOutputCP() ? GetConsoleOutputCP() : CP_ACP) << '\n';
    out.flush();
}

#else

std::vector<std::string> utf8Arguments(int argc, char **argv) { return {argv + 1, argv + argc}; }

std::filesystem::path pathFromUtf8(const std::string &utf8) { return std::filesystem::path(utf8); }

std::string utf8FromPath(const std::filesystem::path &path) { return path.string(); }

std::string replaceFile(const std::filesystem::path &from, const std::filesystem::path &to) {
    if (std::rename(from.c_str(), to.c_str()) == 0)
        return {};
    return std::strerror(errno);
}

std::filesystem::path executableFolder() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : self.parent_path();
}

void writeLine(std::ostream &out, const std::string &utf8) {
    out << utf8 << '\n';
    out.flush();
}

#endif

} // namespace pwt::cli
