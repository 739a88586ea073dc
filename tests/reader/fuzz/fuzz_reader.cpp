// libFuzzer entry point: any bytes must give a document or a ConversionError, never a crash or a hang.
#include "model/error.h"
#include "pdf/pdf_reader.h"
#include "text/text_writer.h"

#include <cstddef>
#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    pwt::ReadOptions options;
    options.dataDir = PWT_DATA_DIR;
    try {
        pwt::Document doc = pwt::readPdfData(std::string(reinterpret_cast<const char *>(data), size), "input", options);
        std::ostringstream text;
        pwt::writeText(doc, text);
    } catch (const pwt::ConversionError &) {
    }
    return 0;
}
