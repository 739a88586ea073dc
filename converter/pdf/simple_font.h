// Single-byte fonts: Type1, MMType1, TrueType and Type3.
#pragma once

#include "pdf/font.h"

namespace pwt {

std::shared_ptr<Font> makeSimpleFont(QPDFObjectHandle dict, FontData &data, const std::string &subtype);

} // namespace pwt
