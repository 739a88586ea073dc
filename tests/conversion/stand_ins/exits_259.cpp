// Converts successfully but ends with the exit code that GetExitCodeProcess also reports for a running
// process (STILL_ACTIVE).
#include <windows.h>

int main() { ExitProcess(STILL_ACTIVE); }
