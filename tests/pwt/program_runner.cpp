#include "program_runner.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace pwt::test {

std::string quoted(const std::string &s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string readFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string &path, const std::string &data) {
    std::ofstream(path, std::ios::binary) << data;
}

bool installed(const std::string &program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

TempFolder::TempFolder() {
    char pattern[] = "/tmp/pwt-program-XXXXXX";
    if (!mkdtemp(pattern))
        throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
}

TempFolder::~TempFolder() { std::system(("rm -rf " + quoted(path_)).c_str()); }

std::vector<std::string> TempFolder::entries() const {
    std::vector<std::string> names;
    if (DIR *dir = opendir(path_.c_str())) {
        while (const dirent *e = readdir(dir))
            if (std::string(e->d_name) != "." && std::string(e->d_name) != "..")
                names.push_back(e->d_name);
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

ProgramResult runPwt(const std::vector<std::string> &args) {
    TempFolder capture;
    std::string command = quoted(PWT_PROGRAM);
    for (const std::string &a : args)
        command += " " + quoted(a);
    command += " >" + quoted(capture.path() + "/out") + " 2>" + quoted(capture.path() + "/err") + " </dev/null";
    const int status = std::system(command.c_str());
    ProgramResult r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = readFile(capture.path() + "/out");
    r.err = readFile(capture.path() + "/err");
    return r;
}

std::string simplePdf(const std::vector<std::string> &lines, const std::string &title) {
    std::string content = "BT /F1 12 Tf 72 720 Td 14 TL\n";
    for (const std::string &line : lines)
        content += "(" + line + ") Tj T*\n";
    content += "ET\n";
    std::vector<std::string> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Resources << /Font << /F1 4 0 R >> >> "
        "/Contents 5 0 R >>",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>",
        "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "endstream",
        "<< /Title (" + title + ") /Producer (pwt tests) >>",
    };
    std::string pdf = "%PDF-1.4\n";
    std::vector<size_t> offsets;
    for (size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (size_t offset : offsets) {
        char entry[21];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
        pdf += entry;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root 1 0 R /Info 6 0 R >>\n";
    pdf += "startxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

} // namespace pwt::test
