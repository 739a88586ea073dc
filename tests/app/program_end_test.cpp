// How the program ends: with the last of its windows, or at once through the close button.
#include "app/globals.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "support/window_pictures.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

namespace {

// A stand-in for another window of the program, such as the about box.
LRESULT CALLBACK OtherWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE)
        ProgramWindowOpened();
    if (message == WM_DESTROY)
        ProgramWindowClosed();
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(ProgramWindows, EscOnTheMainWindowEndsTheLoopOnlyWhenNoOtherWindowIsOpen) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterWindowClasses(GetModuleHandleA(nullptr));
    InitGlobals();
    WNDCLASSA other{};
    other.lpfnWndProc = OtherWindowProc;
    other.hInstance = GetModuleHandleA(nullptr);
    other.lpszClassName = "OrvantaTestOtherWindow";
    RegisterClassA(&other);

    HWND main = OpenMainWindow(GetModuleHandleA(nullptr));
    HWND about = CreateWindowExA(WS_EX_APPWINDOW, "OrvantaTestOtherWindow", "", WS_POPUP | WS_VISIBLE, 0, 0,
                                 100, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    PumpMessages(50);
    SendMessageA(main, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(PumpMessages(100)) << "the other window keeps the program running";
    EXPECT_FALSE(IsWindow(main));
    DestroyWindow(about);
    EXPECT_TRUE(PumpMessages(100)) << "the last window gone ends the loop";
    ReleaseGlobals();
}

std::string OrvantaExe() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string self(path);
    // tests/app/app_tests.exe -> app/Orvanta.exe in the same build tree
    std::string build = self.substr(0, self.rfind("\\tests\\"));
    return build + "\\app\\Orvanta.exe";
}

struct RunningProgram {
    PROCESS_INFORMATION process{};
    HWND main = nullptr;

    RunningProgram() {
        STARTUPINFOA startup{sizeof(startup)};
        std::string command = "\"" + OrvantaExe() + "\"";
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process))
            return;
        WaitForInputIdle(process.hProcess, 10000);
        for (int i = 0; i < 200 && !main; ++i) {
            main = FindProgramWindow();
            if (!main)
                Sleep(50);
        }
    }
    ~RunningProgram() {
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    HWND FindProgramWindow() {
        HWND found = nullptr;
        for (HWND w = FindWindowA("OrvantaMainWindow", nullptr); w;
             w = FindWindowExA(nullptr, w, "OrvantaMainWindow", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == process.dwProcessId)
                found = w;
        }
        return found;
    }
    DWORD ExitCode(DWORD timeout = 10000) {
        if (WaitForSingleObject(process.hProcess, timeout) != WAIT_OBJECT_0)
            return STILL_ACTIVE;
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process.hProcess, &code);
        return code;
    }
};

TEST(ProgramEnd, EscOnTheMainWindowEndsTheProgramWithExitCodeZero) {
    RunningProgram program;
    ASSERT_NE(program.main, nullptr);
    PostMessageA(program.main, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(program.ExitCode(), 0u);
}

// The close button is the top-level window's child at (614,8).
HWND ChildAt(HWND main, int x, int y) {
    POINT at{x, y};
    return ChildWindowFromPointEx(main, at, CWP_SKIPINVISIBLE);
}

TEST(ProgramEnd, TheCloseButtonEndsTheProgramAtOnceWithExitCodeZero) {
    RunningProgram program;
    ASSERT_NE(program.main, nullptr);
    HWND close = ChildAt(program.main, 614 + 14, 8 + 14);
    ASSERT_NE(close, program.main);
    PostMessageA(close, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(14, 14));
    PostMessageA(close, WM_LBUTTONUP, 0, MAKELPARAM(14, 14));
    EXPECT_EQ(program.ExitCode(), 0u);
}

} // namespace
