#include "external_readers.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace pwt::test {

bool installed(const std::string &program) {
    const char *path = std::getenv("PATH");
    std::stringstream dirs(path ? path : "");
    for (std::string dir; std::getline(dirs, dir, ':');)
        if (access((dir + "/" + program).c_str(), X_OK) == 0)
            return true;
    return false;
}

std::string run(const std::string &command) {
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        throw std::runtime_error("cannot start: " + command);
    std::string out;
    char buffer[65536];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int status = pclose(pipe);
    if (status != 0)
        throw std::runtime_error("failed (" + std::to_string(status) + "): " + command);
    return out;
}

std::string readFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string quoted(const std::string &path) { return "'" + path + "'"; }

void convertWithLibreOffice(const std::vector<std::string> &files, const std::string &format,
                            const std::string &outDir) {
    // LibreOffice writes lengths in its locale's unit (centimetres under zh_CN); the checks read inches.
    std::string command = "LC_ALL=C.UTF-8 soffice -env:UserInstallation=file://" + outDir +
                          "/profile --headless --convert-to " + format + " --outdir " + quoted(outDir);
    for (const std::string &f : files)
        command += " " + quoted(f);
    run(command + " >/dev/null 2>&1");
}

std::string withoutSpace(const std::string &utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c <= 0x20 || c == 0x7F)
            continue;
        // U+00A0, U+3000 and the byte-order mark LibreOffice puts at the start of its text.
        if (utf8.compare(i, 2, "\xC2\xA0") == 0) {
            ++i;
            continue;
        }
        if (utf8.compare(i, 3, "\xE3\x80\x80") == 0 || utf8.compare(i, 3, "\xEF\xBB\xBF") == 0) {
            i += 2;
            continue;
        }
        out += char(c);
    }
    return out;
}

} // namespace pwt::test
