// Converts a PDF file to text with the reader alone: pwt_read [--time|--verbose] IN.pdf [OUT.txt]
// --time prints pages and seconds instead of the text; --verbose prints qpdf's warnings.
#include "model/error.h"
#include "pdf/pdf_reader.h"
#include "text/text_writer.h"

#include <chrono>
#include <cstring>
#include <fstream>
#include <iostream>

int main(int argc, char **argv) {
    bool timing = argc > 1 && std::strcmp(argv[1], "--time") == 0;
    bool verbose = argc > 1 && std::strcmp(argv[1], "--verbose") == 0;
    int first = timing || verbose ? 2 : 1;
    if (argc <= first) {
        std::cerr << "usage: pwt_read [--time|--verbose] IN.pdf [OUT.txt]\n";
        return 99;
    }
    pwt::ReadOptions options;
    options.dataDir = PWT_DATA_DIR;
    if (verbose)
        options.warn = [](const std::string &message) { std::cerr << message << '\n'; };
    try {
        auto start = std::chrono::steady_clock::now();
        pwt::Document doc = pwt::readPdf(argv[first], options);
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (timing) {
            std::cout << doc.pages.size() << ' ' << seconds << '\n';
            return 0;
        }
        if (argc > first + 1) {
            std::ofstream out(argv[first + 1], std::ios::binary);
            pwt::writeText(doc, out);
        } else {
            pwt::writeText(doc, std::cout);
        }
    } catch (const pwt::ConversionError &e) {
        std::cerr << e.what() << '\n';
        return e.code();
    }
    return 0;
}
