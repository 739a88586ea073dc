// Runs the pwt program the way the front end does and captures what it prints.
#pragma once

#include <string>
#include <vector>

namespace pwt::test {

struct ProgramResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

ProgramResult runPwt(const std::vector<std::string> &args);

// A fresh folder under /tmp, removed with everything in it when the object goes.
class TempFolder {
public:
    TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;
    ~TempFolder();

    const std::string &path() const { return path_; }
    std::vector<std::string> entries() const;  // names, sorted

private:
    std::string path_;
};

std::string readFile(const std::string &path);
void writeFile(const std::string &path, const std::string &data);
bool installed(const std::string &program);
std::string quoted(const std::string &s);

// A one-page PDF whose page shows each line with Helvetica.
std::string simplePdf(const std::vector<std::string> &lines, const std::string &title = "");

} // namespace pwt::test
