// A temporary run directory with one of the stand-in converters in place as pwt.exe.
#pragma once

#include <string>
#include <vector>

class ConverterFolder {
public:
    // standIn names a stand-in (stand_in_<name>.exe beside the test program); null leaves pwt.exe missing.
    explicit ConverterFolder(const char *standIn);
    ConverterFolder(const ConverterFolder &) = delete;
    ConverterFolder &operator=(const ConverterFolder &) = delete;
    ~ConverterFolder();

    const std::string &Path() const { return path_; }
    std::string Converter() const { return path_ + "\\pwt.exe"; }
    // The command lines the recording stand-ins were started with, oldest first.
    std::vector<std::string> Calls() const;

private:
    std::string path_;
};
