#include "app/globals.h"

#include <gtest/gtest.h>

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
