// Decoded stream data with a ceiling, so that a small compressed stream cannot exhaust memory.
#pragma once

#include <qpdf/QPDFObjectHandle.hh>

#include <string>

namespace pwt {

constexpr size_t kMaxStreamBytes = size_t(64) << 20;

// Appends the decoded data of a stream to out. Returns false, keeping what was decoded up to the failure
// (at most kMaxStreamBytes), when the data is damaged or too large.
bool readStreamData(QPDFObjectHandle stream, std::string &out);

} // namespace pwt
