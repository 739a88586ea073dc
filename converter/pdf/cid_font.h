// Type0 fonts over a CID font: multi-byte codes through a CMap, CIDs, and Unicode through ToUnicode or
// the character collection's table.
#pragma once

#include "pdf/font.h"

namespace pwt {

std::shared_ptr<Font> makeCidFont(QPDFObjectHandle dict, FontData &data);

} // namespace pwt
