// Prints 5000 bytes in 1000 writes of 5: the lines 0000 to 0999, each ended by a line feed.
#include "stand_in_output.h"

#include <cstdio>

int main() {
    for (int line = 0; line < 1000; ++line) {
        char text[8];
        std::snprintf(text, sizeof text, "%04d\n", line);
        Print(STD_OUTPUT_HANDLE, text);
    }
    return 0;
}
