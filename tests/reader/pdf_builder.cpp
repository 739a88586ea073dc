#include "pdf_builder.h"

#include "pdf/pdf_reader.h"
#include "text/text_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace pwt::test {

const char *const kHelvetica = "<< /Font << /F1 << /Type /Font /Subtype /Type1 /BaseFont /Helvetica >> >> >>";

int PdfBuilder::object(const std::string &body) {
    objects_.push_back(body);
    return static_cast<int>(objects_.size());
}

int PdfBuilder::stream(const std::string &dict, const std::string &data) {
    return object("<< /Length " + std::to_string(data.size()) + " " + dict + " >>\nstream\n" + data +
                  "\nendstream");
}

void PdfBuilder::page(const std::string &content, const std::string &resources, const std::string &extra) {
    int contents = stream("", content);
    pages_.push_back(object("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Resources " + resources +
                            " /Contents " + std::to_string(contents) + " 0 R " + extra + " >>"));
}

std::string PdfBuilder::bytes() const {
    std::vector<std::string> objects = objects_;
    objects[0] = "<< /Type /Catalog /Pages 2 0 R >>";
    std::string kids;
    for (int p : pages_)
        kids += std::to_string(p) + " 0 R ";
    objects[1] = "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages_.size()) + " >>";

    std::string out = "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n";
    std::vector<size_t> offsets;
    for (size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(out.size());
        out += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    size_t xref = out.size();
    out += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (size_t off : offsets) {
        char line[24];
        std::snprintf(line, sizeof line, "%010zu 00000 n \n", off);
        out += line;
    }
    out += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
           std::to_string(xref) + "\n%%EOF\n";
    return out;
}

std::string writeTempFile(const std::string &name, const std::string &data) {
    const testing::TestInfo *info = testing::UnitTest::GetInstance()->current_test_info();
    std::string path = testing::TempDir() + "reader_" + info->test_suite_name() + "_" + info->name() + "_" + name;
    for (char &c : path)
        if (c == '/' && &c > path.c_str() + testing::TempDir().size())
            c = '_';
    std::ofstream(path, std::ios::binary) << data;
    return path;
}

Document readTestPdf(const std::string &path) {
    ReadOptions options;
    options.dataDir = PWT_DATA_DIR;
    return readPdf(path, options);
}

Document readPdfBytes(const std::string &pdf) { return readTestPdf(writeTempFile("in.pdf", pdf)); }

std::string pdfText(const std::string &pdf) {
    std::ostringstream out;
    writeText(readPdfBytes(pdf), out);
    return out.str();
}

} // namespace pwt::test
