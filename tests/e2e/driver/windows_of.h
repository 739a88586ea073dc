// Finding the windows of another process from outside, and waiting for them with a time limit.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Polls `condition` until it holds or `limit` milliseconds have passed; true when it held.
bool WaitUntil(const std::function<bool()> &condition, DWORD limit);

// The first visible top-level window of `process` that `accept` takes, or null.
HWND FindProcessWindow(DWORD process, const std::function<bool(HWND)> &accept);

// The first descendant of `parent` whose class is `className`, or null.
HWND FindDescendant(HWND parent, const char *className);

std::string WindowClass(HWND window);
std::string WindowText(HWND window);
SIZE WindowSize(HWND window);
