// Prints a NUL byte in the middle of one write, then, after a pause long enough for the runner to have
// taken that write in a read of its own, one more piece.
#include "stand_in_output.h"

int main() {
    Print(STD_OUTPUT_HANDLE, std::string("before\0after", 12));
    Sleep(500);
    Print(STD_OUTPUT_HANDLE, "later");
    return 0;
}
