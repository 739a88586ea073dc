// Small PDF files written byte by byte for the reader's tests: objects, content streams, pages.
#pragma once

#include "model/document.h"

#include <string>
#include <vector>

namespace pwt::test {

class PdfBuilder {
public:
    // Adds an indirect object and returns its number.
    int object(const std::string &body);
    // Adds a stream; dict holds the entries besides /Length.
    int stream(const std::string &dict, const std::string &data);
    // Adds a page drawing content with the given resources dictionary; extra goes into the page dictionary.
    void page(const std::string &content, const std::string &resources = "<< >>", const std::string &extra = "");

    // The whole file, with a correct cross-reference table.
    std::string bytes() const;

private:
    std::vector<std::string> objects_{"", ""};  // 1: catalog and 2: page tree, written last
    std::vector<int> pages_;
};

// Writes data to a fresh file in the test's temporary folder and returns its path.
std::string writeTempFile(const std::string &name, const std::string &data);

// readPdf with the build's data folder.
Document readTestPdf(const std::string &path);
Document readPdfBytes(const std::string &pdf);
// The text back end's output for a PDF.
std::string pdfText(const std::string &pdf);

// Resources with /F1 as Helvetica (standard 14 metrics, no widths in the file).
extern const char *const kHelvetica;

} // namespace pwt::test
