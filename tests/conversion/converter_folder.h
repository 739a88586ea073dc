// A run directory with one of the stand-in converters in place as pwt.exe: a temporary folder, or the test
// program's own folder, which the program's start button uses.
#pragma once

#include <string>
#include <vector>

class ConverterFolder {
public:
    enum class Place { Temporary, BesideTestProgram };

    // standIn names a stand-in (stand_in_<name>.exe beside the test program); null leaves pwt.exe missing.
    explicit ConverterFolder(const char *standIn, Place place = Place::Temporary);
    ConverterFolder(const ConverterFolder &) = delete;
    ConverterFolder &operator=(const ConverterFolder &) = delete;
    ~ConverterFolder();

    const std::string &Path() const { return path_; }
    std::string Converter() const { return path_ + "\\pwt.exe"; }
    // The command lines the recording stand-ins were started with, oldest first.
    std::vector<std::string> Calls() const;

private:
    Place place_;
    std::string path_;
};
