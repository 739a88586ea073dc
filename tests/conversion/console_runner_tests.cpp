#include "conversion/console_runner.h"

#include "app/globals.h"
#include "converter_folder.h"
#include "file_list_window.h"
#include "watchdog.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <thread>

namespace {

class ConsoleRunnerTest : public testing::Test {
protected:
    void SetUp() override { InitGlobals(); }
    void TearDown() override { ReleaseGlobals(); }

    static std::string Run(const char *standIn, const std::string &arguments = "") {
        ConverterFolder folder(standIn);
        return ConsoleRunner(folder.Converter() + arguments);
    }

    static bool ChildRunning() { return WaitForSingleObject(ChildProcessInfo->hProcess, 0) == WAIT_TIMEOUT; }

    Watchdog watchdog{120};
};

BOOL CALLBACK CountForeignShownWindow(HWND window, LPARAM count) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (IsWindowVisible(window) && process != GetCurrentProcessId())
        ++*reinterpret_cast<int *>(count);
    return TRUE;
}

std::string Lines0000To0999() {
    std::string all;
    for (int line = 0; line < 1000; ++line) {
        char text[8];
        std::snprintf(text, sizeof text, "%04d\n", line);
        all += text;
    }
    return all;
}

TEST_F(ConsoleRunnerTest, ReturnsWhatTheCommandPrintedWholeAndInOrder) {
    struct Case {
        const char *standIn;
        std::string output;
    } cases[] = {
        {"silent", ""},
        {"prints_to_stderr", "reading pdf\r\ncannot open pdf\r\ngiving up\r\n"},
        {"prints_5000_bytes", Lines0000To0999()},
        {"prints_nul_byte", "beforelater"},
        {"prints_before_exit", "last words"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Run(c.standIn), c.output) << c.standIn;
}

TEST_F(ConsoleRunnerTest, SecondCallHoldsOnlyItsOwnOutput) {
    EXPECT_EQ(Run("prints_5000_bytes").size(), 5000u);
    EXPECT_EQ(Run("prints_before_exit"), "last words");
    EXPECT_EQ(Run("silent"), "");
    EXPECT_STREQ(CapturedOutput, "");
}

TEST_F(ConsoleRunnerTest, ExitCode259EndsTheRunLikeAnyOther) {
    // Started without the interpreter, so that the runner's own child is the one that exits with 259.
    ConverterFolder folder("exits_259");
    EXPECT_EQ(RunCaptured(folder.Converter()), "");
    EXPECT_EQ(ChildExitCode, 259u);
    EXPECT_EQ(Run("exits_259"), "");
}

TEST_F(ConsoleRunnerTest, ChildHasNoStandardInputAndShowsNoWindow) {
    std::string report = Run("reports_handles");
    EXPECT_EQ(report.rfind("stdin none, console ", 0), 0u) << report;
    EXPECT_EQ(report.find("shown"), std::string::npos) << report;

    // While the command runs, no other process of the session has a window on the screen.
    FileListWindow window;
    int foreignWindows = -1;
    window.ActionAfter(200, [&] {
        foreignWindows = 0;
        EnumWindows(CountForeignShownWindow, reinterpret_cast<LPARAM>(&foreignWindows));
    });
    Run("sleeper", " 600");
    EXPECT_EQ(foreignWindows, 0);
}

TEST_F(ConsoleRunnerTest, MissingProgramGivesTheInterpretersMessage) {
    ConverterFolder empty(nullptr);
    std::string output = ConsoleRunner("cmd /c " + empty.Converter() + " --dest=\"D:\\Out\\a.doc\"");
    EXPECT_NE(output.find("pwt.exe"), std::string::npos) << output;
}

TEST_F(ConsoleRunnerTest, FailedStartReadsAsFailure) {
    std::string output = RunCaptured("Z:\\no\\such\\interpreter.exe /c exit");
    EXPECT_NE(output.find("CreateProcessA"), std::string::npos) << output;
    EXPECT_EQ(PipeReadHandle, nullptr);
    EXPECT_EQ(PipeWriteHandle, nullptr);
}

TEST_F(ConsoleRunnerTest, WindowHandlesPostedSentAndTimerMessagesWhileTheCommandRuns) {
    FileListWindow window;
    bool postedWhileRunning = false, sentWhileRunning = false, timerWhileRunning = false;
    window.PostAction([&] { postedWhileRunning = ChildRunning(); });
    window.SetSentAction([&] { sentWhileRunning = ChildRunning(); });
    window.ActionAfter(300, [&] { timerWhileRunning = ChildRunning(); });
    bool answered = false;
    std::thread sender([&] {
        Sleep(200);
        answered = window.SendAction(5000);
    });
    Run("sleeper", " 1000");
    sender.join();
    EXPECT_TRUE(postedWhileRunning);
    EXPECT_TRUE(answered);
    EXPECT_TRUE(sentWhileRunning);
    EXPECT_TRUE(timerWhileRunning);
}

TEST_F(ConsoleRunnerTest, ClosesThePipeAndTheProcessHandleOnceTheProcessHasEnded) {
    FileListWindow window;
    HANDLE process = nullptr, readEnd = nullptr, writeEnd = nullptr;
    window.PostAction([&] {
        process = ChildProcessInfo->hProcess;
        readEnd = PipeReadHandle;
        writeEnd = ChildStartupInfo->hStdOutput;
    });
    Run("sleeper", " 300");
    DWORD flags;
    for (HANDLE handle : {process, readEnd, writeEnd}) {
        ASSERT_NE(handle, nullptr);
        EXPECT_FALSE(GetHandleInformation(handle, &flags)) << handle;
    }
}

TEST_F(ConsoleRunnerTest, QuitMessageArrivingDuringARunIsKeptForTheMainLoop) {
    PostQuitMessage(7);
    EXPECT_EQ(Run("sleeper", " 300"), "");
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 7u);
}

} // namespace
