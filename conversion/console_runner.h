// Runs one command line through the system's command interpreter, hidden, and captures what it prints.
#pragma once

#include <string>

// Runs the interpreter prefix followed by commandLine and returns everything the command wrote to standard
// output and standard error, in the order it reached the pipe, each read cut at its first NUL byte. Returns
// once the interpreter has ended and the pipe is drained; window messages that arrive meanwhile are
// dispatched. A start that fails returns a line naming the failed call, so it never reads as silence.
std::string ConsoleRunner(const std::string &commandLine);

// The same for a line that is started as it stands, without the interpreter prefix.
std::string RunCaptured(const std::string &fullLine);
