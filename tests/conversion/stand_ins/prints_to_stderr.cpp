// Fails loudly on both channels, standard error between two lines of standard output.
#include "stand_in_output.h"

int main() {
    Print(STD_OUTPUT_HANDLE, "reading pdf\r\n");
    Print(STD_ERROR_HANDLE, "cannot open pdf\r\n");
    Print(STD_OUTPUT_HANDLE, "giving up\r\n");
    return 1;
}
