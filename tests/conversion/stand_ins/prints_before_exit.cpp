// Stays silent for a while, then prints its last words and ends the same instant.
#include "stand_in_output.h"

int main() {
    Sleep(300);
    Print(STD_OUTPUT_HANDLE, "last words");
    ExitProcess(0);
}
