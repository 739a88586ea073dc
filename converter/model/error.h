// The converter's one error type: a message for the user and the exit code the program reports.
#pragma once

#include <stdexcept>
#include <string>

namespace pwt {

enum ExitCode : int {
    ExitOk = 0,
    ExitCannotRead = 1,      // cannot open or read the PDF
    ExitCannotWrite = 2,     // cannot write the output
    ExitPasswordNeeded = 3,  // the PDF needs a password
    ExitOther = 99,
};

class ConversionError : public std::runtime_error {
public:
    ConversionError(ExitCode code, const std::string &message) : std::runtime_error(message), code_(code) {}
    ExitCode code() const { return code_; }

private:
    ExitCode code_;
};

} // namespace pwt
