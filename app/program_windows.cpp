#include "app/program_windows.h"

#include <windows.h>

#include <cstdlib>

namespace {
int OpenWindows = 0;
}

void ProgramWindowOpened() { ++OpenWindows; }

void ProgramWindowClosed() {
    if (--OpenWindows == 0)
        PostQuitMessage(0);
}

void EndProgram() { std::exit(0); }
