// Converts PDF files to text with the reader alone: pwt_read [--time] IN.pdf [OUT.txt]
// With --time it prints pages and seconds instead of writing text.
#include "model/error.h"
#include "pdf/pdf_reader.h"
#include "text/text_writer.h"

#include <chrono>
#include <cstring>
#include <fstream>
#include <iostream>

int main(int argc, char **argv) {
    bool timing = argc > 1 && std::strcmp(argv[1], "--time") == 0;
    int first = timing ? 2 : 1;
    if (argc <= first) {
        std::cerr << "usage: pwt_read [--time] IN.pdf [OUT.txt]\n";
        return 99;
    }
    pwt::ReadOptions options;
    options.dataDir = PWT_DATA_DIR;
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
