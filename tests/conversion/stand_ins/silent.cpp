// Converts successfully: prints nothing. Logs its command line.
#include "stand_in_output.h"

int main() {
    RecordCall();
    return 0;
}
