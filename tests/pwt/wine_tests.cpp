// pwt.exe started the way the front end starts it: an ANSI command line through "cmd /c", with the
// output captured through a pipe, and Chinese (GBK) file and folder names.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

// Owns a kernel handle and closes it once.
class Handle {
public:
    Handle() = default;
    explicit Handle(HANDLE h) : h_(h) {}
    Handle(Handle &&o) noexcept : h_(o.release()) {}
    Handle &operator=(Handle &&o) noexcept {
        reset(o.release());
        return *this;
    }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    ~Handle() { reset(); }

    HANDLE get() const { return h_; }
    HANDLE release() {
        HANDLE h = h_;
        h_ = nullptr;
        return h;
    }
    void reset(HANDLE h = nullptr) {
        if (h_ && h_ != INVALID_HANDLE_VALUE)
            CloseHandle(h_);
        h_ = h;
    }

private:
    HANDLE h_ = nullptr;
};

std::wstring widen(const std::string &utf8) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring out(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), out.data(), n);
    return out;
}

std::string ansi(const std::wstring &wide) {
    const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

// Wine shows the Unix file system as drive Z:.
std::wstring windowsPath(const std::string &unixPath) {
    std::wstring path = L"Z:" + widen(unixPath);
    for (wchar_t &c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}

struct Captured {
    DWORD exitCode = 0;
    std::string output;
};

// What the front end's console runner does: CreateProcessA on "cmd /c ...", stdout and stderr into one pipe.
Captured runThroughCmd(const std::string &commandLine) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        throw std::runtime_error("CreatePipe failed");
    Handle reader(readEnd), writer(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        throw std::runtime_error("CreateProcessA failed");
    Handle processHandle(process.hProcess), thread(process.hThread);
    writer.reset();

    Captured result;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(reader.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        result.output.append(buffer, got);
    WaitForSingleObject(processHandle.get(), 60000);
    GetExitCodeProcess(processHandle.get(), &result.exitCode);
    return result;
}

std::string firstBytes(const std::wstring &path, DWORD count) {
    Handle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE)
        return {};
    std::string bytes(count, '\0');
    DWORD got = 0;
    ReadFile(file.get(), bytes.data(), count, &got, nullptr);
    bytes.resize(got);
    return bytes;
}

class PwtThroughCmd : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 936u) << "the Wine harness runs with code page 936 (LC_ALL=zh_CN.UTF-8)";
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        root_ = std::wstring(temp) + L"pwt-wine-" + std::to_wstring(GetCurrentProcessId());
        outDir_ = root_ + L"\\输出文件夹";
        pdf_ = root_ + L"\\安装指南.pdf";
        ASSERT_TRUE(CreateDirectoryW(root_.c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryW(outDir_.c_str(), nullptr));
        const std::wstring source = windowsPath(PWT_CORPUS "/pdf/D14-install.zh_CN.pdf");
        if (!CopyFileW(source.c_str(), pdf_.c_str(), FALSE))
            GTEST_SKIP() << "the corpus is not beside the project";
        SetFileAttributesW(pdf_.c_str(), FILE_ATTRIBUTE_NORMAL);  // the corpus is read-only, and so is its copy
    }

    void TearDown() override {
        DeleteFileW((outDir_ + L"\\安装指南.doc").c_str());
        DeleteFileW(pdf_.c_str());
        RemoveDirectoryW(outDir_.c_str());
        RemoveDirectoryW(root_.c_str());
    }

    // The front end's line: cmd /c <run dir>\pwt.exe --dest="<folder>\<base>.doc" --src="<pdf>".
    std::string commandLine(const std::wstring &folder) const {
        std::wstring runDir = windowsPath(PWT_PROGRAM);
        runDir.resize(runDir.rfind(L'\\'));
        return "cmd /c " + ansi(runDir) + "\\pwt.exe --dest=\"" + ansi(folder + L"\\安装指南.doc") + "\" --src=\"" +
               ansi(pdf_) + "\"";
    }

    std::wstring root_, outDir_, pdf_;
};

TEST_F(PwtThroughCmd, ConvertsAChinesePdfIntoAChineseFolderSilently) {
    const Captured r = runThroughCmd(commandLine(outDir_));
    EXPECT_EQ(r.output, "");
    EXPECT_EQ(r.exitCode, 0u);
    EXPECT_EQ(firstBytes(outDir_ + L"\\安装指南.doc", 8), "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
}

TEST_F(PwtThroughCmd, AMissingChineseFolderIsReportedAndNothingIsWritten) {
    const std::wstring missing = root_ + L"\\不存在的文件夹";
    const Captured r = runThroughCmd(commandLine(missing));
    EXPECT_NE(r.output, "");
    EXPECT_EQ(r.exitCode, 2u);
    EXPECT_EQ(GetFileAttributesW(missing.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesW((root_ + L"\\安装指南.doc").c_str()), INVALID_FILE_ATTRIBUTES);
}

} // namespace
