// Prints a NUL byte in the middle of a write of exactly one read's length (1023 bytes), then one more
// piece: however the runner's reads fall, the NUL byte lies in the first one and the piece in the next.
#include "stand_in_output.h"

int main() {
    std::string first = std::string("before\0", 7) + std::string(1023 - 7, 'x');
    Print(STD_OUTPUT_HANDLE, first);
    Print(STD_OUTPUT_HANDLE, "later");
    return 0;
}
