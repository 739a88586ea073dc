// The document being written: a temporary file beside the destination that replaces it only once the
// whole document is on disk. Until then the destination is untouched, and a failure removes the
// temporary file.
#pragma once

#include <filesystem>
#include <fstream>

namespace pwt::cli {

class OutputFile {
public:
    // Throws ConversionError (ExitCannotWrite) when the folder is missing or cannot take a new file.
    explicit OutputFile(const std::filesystem::path &destination);
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;
    ~OutputFile();

    std::ostream &stream() { return stream_; }

    // Closes the temporary file and moves it over the destination. Throws ConversionError
    // (ExitCannotWrite) when the data did not reach the disk or the destination cannot be replaced.
    void commit();

private:
    std::filesystem::path destination_;
    std::filesystem::path temporary_;
    std::ofstream stream_;
    bool committed_ = false;
};

} // namespace pwt::cli
