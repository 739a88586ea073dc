#include "conversion/conversion_run.h"

#include "app/secondary_windows.h"
#include "app/text_trim.h"
#include "conversion/base_name.h"
#include "conversion/command_line.h"
#include "conversion/console_runner.h"
#include "conversion/list_rows.h"

#include <shlwapi.h>

#include <vector>

namespace {

const int PathColumn = 1, StatusColumn = 2;

// The runner dispatches window messages, so a second click on the start button arrives inside a run, and a
// nested run would take over the runner's global records while the outer one still uses them.
bool RunInProgress = false;

class RunInProgressFlag {
public:
    RunInProgressFlag() { RunInProgress = true; }
    RunInProgressFlag(const RunInProgressFlag &) = delete;
    RunInProgressFlag &operator=(const RunInProgressFlag &) = delete;
    ~RunInProgressFlag() { RunInProgress = false; }
};

std::string WindowText(HWND window) {
    std::vector<char> text(GetWindowTextLengthA(window) + 1);
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

// The folder that holds the program's file, without a trailing backslash.
std::string RunDirectory() {
    std::vector<char> path(MAX_PATH);
    while (GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size())) == path.size())
        path.resize(path.size() * 2);
    const char *begin = path.data(), *name = PathFindFileNameA(begin);
    return std::string(begin, name > begin ? name - 1 : name);
}

} // namespace

void ConversionRun(HWND fileList, HWND folderBox) {
    ConvertListedFiles(fileList, folderBox, RunDirectory(), OpenNoticeWindow);
}

void ConvertListedFiles(HWND fileList, HWND folderBox, const std::string &runDirectory,
                        void (*openNotice)()) {
    if (RunInProgress)
        return;
    if (TrimSpaces(WindowText(folderBox)).empty()) {
        openNotice();
        return;
    }
    RunInProgressFlag flag;
    // Rows added while the run goes on wait for the next run. A list destroyed meanwhile (the window
    // closed from inside the runner) ends the run: nothing is left to show its outcome.
    int rows = ListRowCount(fileList);
    for (int row = 0; row < rows && IsWindow(fileList); ++row) {
        SetListCellText(fileList, row, StatusColumn, "转换中，请等待");
        std::string baseName = BaseName(ListCellText(fileList, row, PathColumn));
        // The folder box is read anew for every row, untrimmed: a change made during the run applies from
        // the next row on.
        std::string line = ConverterCommandLine(runDirectory, WindowText(folderBox), baseName,
                                                ListCellText(fileList, row, PathColumn));
        SetListCellText(fileList, row, StatusColumn, ConsoleRunner(line).empty() ? "转换成功" : "转换失败");
    }
}
