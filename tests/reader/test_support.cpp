#include "test_support.h"

#include "pdf_builder.h"

namespace pwt::test {

std::string flat(const std::string &text) {
    std::string out;
    bool space = false;
    for (char c : text) {
        if (c == ' ' || c == '\n' || c == '\f' || c == '\t' || c == '\r') {
            space = !out.empty();
            continue;
        }
        if (space)
            out += ' ';
        space = false;
        out += c;
    }
    return out;
}

std::string pageText(const std::string &content, const std::string &resources) {
    PdfBuilder pdf;
    pdf.page(content, resources);
    return flat(pdfText(pdf.bytes()));
}

} // namespace pwt::test
