// The command lines that the conversion hands to the system.
#pragma once

#include <windows.h>

#include <string>

// The interpreter in front of every command: cmd.exe on NT-based systems (the platform id that
// GetVersionExA reports), command.com on every other.
std::string InterpreterPrefix(DWORD platformId);

// The line that runs pwt.exe from the run directory on one PDF file. The folder text goes in exactly as the
// user typed it; only the two option values are quoted, the converter's own path is not.
std::string ConverterCommandLine(const std::string &runDirectory, const std::string &folderText,
                                 const std::string &baseName, const std::string &pdfPath);
