#include "cli/output_file.h"

#include "cli/platform.h"
#include "model/error.h"

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace pwt::cli {

namespace {

long processId() {
#ifdef _WIN32
    return long(_getpid());
#else
    return long(getpid());
#endif
}

std::filesystem::path folderOf(const std::filesystem::path &file) {
    const std::filesystem::path folder = file.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

} // namespace

OutputFile::OutputFile(const std::filesystem::path &destination) : destination_(destination) {
    const std::filesystem::path folder = folderOf(destination);
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        throw ConversionError(ExitCannotWrite, "the output folder does not exist: " + utf8FromPath(folder));
    // The process id keeps two conversions into one folder apart.
    temporary_ = folder / pathFromUtf8("." + utf8FromPath(destination.filename()) + "." +
                                       std::to_string(processId()) + ".pwt-tmp");
    stream_.open(temporary_, std::ios::binary | std::ios::trunc);
    if (!stream_)
        throw ConversionError(ExitCannotWrite, "cannot write to the folder " + utf8FromPath(folder));
}

OutputFile::~OutputFile() {
    if (committed_)
        return;
    stream_.close();
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
}

void OutputFile::commit() {
    stream_.close();
    if (stream_.fail())
        throw ConversionError(ExitCannotWrite, "cannot write " + utf8FromPath(destination_) +
                                                   ": the disk refused the data");
    const std::string failure = replaceFile(temporary_, destination_);
    if (!failure.empty())
        throw ConversionError(ExitCannotWrite, "cannot replace " + utf8FromPath(destination_) + ": " + failure);
    committed_ = true;
}

} // namespace pwt::cli
