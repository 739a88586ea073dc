// Converts successfully, slowly: logs its command line and sleeps silently, for the milliseconds given as
// its first argument when that is a number, else for 300.
#include "stand_in_output.h"

#include <cstdlib>

int main(int argc, char **argv) {
    RecordCall();
    int milliseconds = argc > 1 ? std::atoi(argv[1]) : 0;
    Sleep(milliseconds > 0 ? milliseconds : 300);
    return 0;
}
