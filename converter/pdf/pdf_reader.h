// Reads a PDF file into the document model: text with its styles, laid out into blocks and paragraphs.
#pragma once

#include "model/document.h"

#include <functional>
#include <string>

namespace pwt {

struct ReadOptions {
    std::string dataDir;   // folder with the CMaps, CID tables, glyph list and font metrics
    // Receives qpdf's warnings about recovered damage; they are dropped when it is empty.
    std::function<void(const std::string &)> warn;
};

// Throws ConversionError (model/error.h) with ExitCannotRead, ExitPasswordNeeded or ExitOther.
// The path is UTF-8, also on Windows.
Document readPdf(const std::string &path, const ReadOptions &options);

// The same for a PDF file held in memory (the fuzzer's entry point); name appears in messages.
Document readPdfData(const std::string &data, const std::string &name, const ReadOptions &options);

} // namespace pwt
