#include "conversion/conversion_run.h"

void ConversionRun(HWND, HWND) {}
