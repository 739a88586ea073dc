#include "cli/program.h"

#include "cli/arguments.h"
#include "cli/output_file.h"
#include "cli/platform.h"
#include "doc/word_writer.h"
#include "model/error.h"
#include "pdf/pdf_reader.h"
#include "text/text_writer.h"

#include <algorithm>
#include <cctype>

namespace pwt::cli {

namespace {

const char kHelp[] = R"(Usage: pwt --dest=OUTPUT --src=INPUT.pdf [--verbose]

Converts a PDF file into a Word 97-2003 document (OUTPUT ending in .doc) or into
UTF-8 text (OUTPUT ending in .txt). An existing OUTPUT is replaced only once the
new one is complete.

Prints nothing when the conversion succeeds. Otherwise prints one line on
standard error and exits with 1 (the PDF cannot be read), 2 (the output cannot
be written), 3 (the PDF needs a password) or 99 (any other error).

  --dest=OUTPUT  the document to write, in an existing folder
  --src=INPUT    the PDF file to read
  --verbose      also report damage in the PDF that was worked around
  --help         show this help
  --version      show the version
)";

enum class Format { Word, Text };

Format formatOf(const std::filesystem::path &dest) {
    std::string extension = utf8FromPath(dest.extension());
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (extension == ".doc")
        return Format::Word;
    if (extension == ".txt")
        return Format::Text;
    throw ConversionError(ExitOther, "cannot write '" + (extension.empty() ? std::string("no extension") : extension) +
                                         "' files: the output must end in .doc or .txt");
}

void convert(const Arguments &args, std::ostream &err) {
    const std::filesystem::path dest = pathFromUtf8(args.dest);
    const Format format = formatOf(dest);
    OutputFile output(dest);

    ReadOptions options;
    options.dataDir = utf8FromPath(executableFolder() / "pwt-data");
    if (args.verbose)
        options.warn = [&err](const std::string &warning) { writeLine(err, "pwt: warning: " + warning); };
    const Document document = readPdf(args.src, options);

    if (format == Format::Word)
        writeWordDocument(document, output.stream());
    else
        writeText(document, output.stream());
    output.commit();
}

} // namespace

int runProgram(const std::vector<std::string> &argv, std::ostream &out, std::ostream &err) {
    try {
        const Arguments args = parseArguments(argv);
        if (args.help) {
            out << kHelp;
            return ExitOk;
        }
        if (args.version) {
            out << "pwt " PWT_VERSION "\n";
            return ExitOk;
        }
        convert(args, err);
        return ExitOk;
    } catch (const ConversionError &e) {
        writeLine(err, std::string("pwt: ") + e.what());
        return e.code();
    } catch (const std::bad_alloc &) {
        writeLine(err, "pwt: out of memory");
        return ExitOther;
    } catch (const std::exception &e) {
        writeLine(err, std::string("pwt: ") + e.what());
        return ExitOther;
    }
}

} // namespace pwt::cli
