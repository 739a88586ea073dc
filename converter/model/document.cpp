#include "model/document.h"

namespace pwt {

std::string Paragraph::text() const {
    std::string joined;
    for (const Run &run : runs)
        joined += run.kind == Run::Kind::LineBreak ? std::string("\n") : run.text;
    return joined;
}

} // namespace pwt
