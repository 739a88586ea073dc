// What the stand-in converters share: writing raw bytes to a standard handle, and keeping a log of the
// command lines they were started with, in calls.txt beside their own file.
#pragma once

#include <windows.h>

#include <string>

void Print(DWORD standardHandle, const std::string &bytes);
void RecordCall();
