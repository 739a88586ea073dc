#include "app/globals.h"

#include "app/program_windows.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

TEST(Globals, ReleaseSkipsWhatWasNeverSetAndLeavesEveryCellEmpty) {
    InitGlobals();
    ASSERT_NE(PipeAttributes, nullptr);
    ASSERT_NE(ChildStartupInfo, nullptr);
    ASSERT_NE(ChildProcessInfo, nullptr);
    ChildStartupInfo->lpDesktop = HeapText("winsta0\\default");
    CapturedOutput = HeapText("out");

    ReleaseGlobals();
    EXPECT_EQ(PipeAttributes, nullptr);
    EXPECT_EQ(ChildStartupInfo, nullptr);
    EXPECT_EQ(ChildProcessInfo, nullptr);
    EXPECT_EQ(CapturedOutput, nullptr);
    EXPECT_EQ(ReadBuffer, nullptr);
    EXPECT_EQ(InitialFolder, nullptr);
    ReleaseGlobals(); // a second run finds nothing left to release
}

TEST(GlobalsDeathTest, EndingTheProgramReleasesTheGlobalsAndExitsWithZero) {
    EXPECT_EXIT(
        {
            // Runs after ReleaseGlobals, which was registered later.
            std::atexit([] {
                std::fputs(CapturedOutput == nullptr && ChildStartupInfo == nullptr ? "released\n" : "kept\n",
                           stderr);
            });
            InitGlobals();
            CapturedOutput = HeapText("output");
            RegisterShutdown();
            RegisterShutdown();
            EndProgram();
        },
        testing::ExitedWithCode(0), "released");
}
