// A fresh folder under the temporary folder for one test, removed with everything in it afterwards.
#pragma once

#include <string>

class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder &) = delete;
    TestFolder &operator=(const TestFolder &) = delete;

    const std::string &Path() const { return path_; }
    // Creates an empty file (or a folder) of that name inside and returns its full path.
    std::string AddFile(const std::string &name) const;
    std::string AddFolder(const std::string &name) const;

private:
    std::string path_;
};

std::string CurrentDirectory();
// The folder that holds the running test binary, without a trailing backslash.
std::string RunDirectory();
