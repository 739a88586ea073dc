// Prints whether it got a standard input handle and whether a console window shows.
#include "stand_in_output.h"

int main() {
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    HWND console = GetConsoleWindow();
    Print(STD_OUTPUT_HANDLE, std::string("stdin ") +
                                 (input && input != INVALID_HANDLE_VALUE ? "present" : "none") +
                                 ", console " +
                                 (!console                   ? "none"
                                  : IsWindowVisible(console) ? "shown"
                                                             : "hidden"));
    return 0;
}
