#include "conversion/command_line.h"

std::string InterpreterPrefix(DWORD platformId) {
    return platformId == VER_PLATFORM_WIN32_NT ? "cmd.exe /c " : "command.com /c ";
}

std::string ConverterCommandLine(const std::string &runDirectory, const std::string &folderText,
                                 const std::string &baseName, const std::string &pdfPath) {
    return "cmd /c " + runDirectory + "\\pwt.exe --dest=\"" + folderText + "\\" + baseName +
           ".doc\" --src=\"" + pdfPath + "\"";
}
