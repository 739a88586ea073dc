// soak: 200 conversions in one run of Orvanta.exe, driven from outside as in the end-to-end test, and what
// the GUI process holds meanwhile, its handles and its committed private memory, after each pass over the list. It fails when handles or private memory grow beyond noise between the first pass
// (which warms the caches) and the last.
//   soak ORVANTA_EXE PDF [PASSES]     20 copies of PDF are listed and converted PASSES times (default 10)
#include "orvanta_user.h"
#include "process_figures.h"
#include "windows_of.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int Rows = 20;
// Beyond these, growth over 180 conversions is a leak: one handle or a few kilobytes per conversion.
constexpr long HandleNoise = 8;
constexpr long long PrivateNoise = 512 * 1024;

const std::string Succeeded = "转换成功";
const std::string Failed = "转换失败";

// A scratch folder with the listed copies in in\ and the documents in out\, removed with everything in it.
class SoakFolder {
public:
    SoakFolder() {
        char temp[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "orvanta-soak-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(path_.c_str(), nullptr);
        CreateDirectoryA(In().c_str(), nullptr);
        CreateDirectoryA(Out().c_str(), nullptr);
    }
    ~SoakFolder() {
        for (const std::string &dir : {In(), Out()}) {
            WIN32_FIND_DATAA found;
            HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &found);
            if (search != INVALID_HANDLE_VALUE) {
                do
                    DeleteFileA((dir + "\\" + found.cFileName).c_str());
                while (FindNextFileA(search, &found));
                FindClose(search);
            }
            RemoveDirectoryA(dir.c_str());
        }
        RemoveDirectoryA(path_.c_str());
    }
    SoakFolder(const SoakFolder &) = delete;
    SoakFolder &operator=(const SoakFolder &) = delete;

    std::string In() const { return path_ + "\\in"; }
    std::string Out() const { return path_ + "\\out"; }

private:
    std::string path_;
};

std::string RowName(int row) {
    char name[16];
    std::snprintf(name, sizeof(name), "p%02d.pdf", row + 1);
    return name;
}

// One pass: the statuses are emptied from outside, so that the pass's own results can be told apart, then
// "开始转换" is clicked and every row awaited. Returns how many rows succeeded, or -1 on a time-out.
int ConvertAll(OrvantaUser &user, DWORD limit) {
    RemoteFileList &list = user.List();
    for (int row = 0; row < Rows; ++row)
        list.SetText(row, 2, "");
    user.ClickStart();
    int succeeded = 0;
    const bool done = WaitUntil(
        [&] {
            succeeded = 0;
            for (int row = 0; row < Rows; ++row) {
                const std::string status = list.Text(row, 2);
                if (status == Succeeded)
                    ++succeeded;
                else if (status != Failed)
                    return false;
            }
            return true;
        },
        limit);
    return done ? succeeded : -1;
}

void PrintFigures(int pass, const ProcessFigures &f) {
    std::printf("%4d %11d %8lu %12lu\n", pass, pass * Rows, f.Handles,
                static_cast<unsigned long>(f.PrivateBytes / 1024));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 3) {
        std::fputs("usage: soak ORVANTA_EXE PDF [PASSES]\n", stderr);
        return 2;
    }
    const int passes = argc > 3 ? std::atoi(argv[3]) : 10;
    for (int i = 1; i <= 2; ++i) {
        if (GetFileAttributesA(argv[i]) == INVALID_FILE_ATTRIBUTES) {
            std::fprintf(stderr, "soak: no %s (make dist writes the program; the corpus lies beside the project)\n",
                         argv[i]);
            return 77;
        }
    }
    SoakFolder folder;
    std::string names;
    for (int row = 0; row < Rows; ++row) {
        const std::string copy = folder.In() + "\\" + RowName(row);
        if (!CopyFileA(argv[2], copy.c_str(), FALSE)) {
            std::fprintf(stderr, "soak: cannot copy %s\n", argv[2]);
            return 1;
        }
        // The copy keeps the source's read-only attribute, which would stop the folder's removal.
        SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_NORMAL);
        names += "\"" + RowName(row) + "\" ";
    }

    OrvantaUser user(argv[1], folder.In());
    if (!user.Ready() || !user.AddFiles(names) || !WaitUntil([&] { return user.List().Count() == Rows; }, 5000) ||
        !user.TypeOutputFolder(folder.Out())) {
        std::fputs("soak: Orvanta did not come up, or the files or the folder could not be given to it\n", stderr);
        return 1;
    }

    std::printf("pass conversions  handles  private(KB)\n");
    ProcessFigures first, last;
    for (int pass = 1; pass <= passes; ++pass) {
        const DWORD started = GetTickCount();
        const int succeeded = ConvertAll(user, 300000);
        if (succeeded != Rows) {
            std::fprintf(stderr, "soak: pass %d: %d of %d rows converted\n", pass, succeeded, Rows);
            return 1;
        }
        last = ReadProcessFigures(user.Process().Handle());
        if (pass == 1)
            first = last;
        PrintFigures(pass, last);
        std::fprintf(stderr, "pass %d: %.1f ms per conversion\n", pass, (GetTickCount() - started) / double(Rows));
    }
    const long handleGrowth = static_cast<long>(last.Handles) - static_cast<long>(first.Handles);
    const long long privateGrowth =
        static_cast<long long>(last.PrivateBytes) - static_cast<long long>(first.PrivateBytes);
    std::printf("growth after pass 1, over %d conversions: %ld handles, %lld KB private memory\n",
                (passes - 1) * Rows, handleGrowth, privateGrowth / 1024);

    user.ClickClose();
    const long exitCode = user.Process().WaitForExit(15000);
    if (exitCode != 0) {
        std::fprintf(stderr, "soak: Orvanta ended with %ld after its close button\n", exitCode);
        return 1;
    }
    if (handleGrowth > HandleNoise || privateGrowth > PrivateNoise) {
        std::fprintf(stderr, "soak: the GUI process grew beyond noise (at most %ld handles, %lld KB)\n", HandleNoise,
                     PrivateNoise / 1024);
        return 1;
    }
    return 0;
}
