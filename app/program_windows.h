// The program runs while any of its top-level windows exists: each window reports its creation and its
// destruction here, and the last one gone ends the message loop.
#pragma once

void ProgramWindowOpened();
void ProgramWindowClosed();

// Ends the program at once with exit code 0; the shutdown routine still runs.
[[noreturn]] void EndProgram();
