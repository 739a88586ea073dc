// pwt: converts one PDF file into a Word 97-2003 document or into text.
#include "cli/platform.h"
#include "cli/program.h"

#include <iostream>

int main(int argc, char **argv) {
    return pwt::cli::runProgram(pwt::cli::utf8Arguments(argc, argv), std::cout, std::cerr);
}
