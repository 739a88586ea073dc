#include "text/text_writer.h"

namespace pwt {

void writeText(const Document &doc, std::ostream &out) {
    for (const Page &page : doc.pages) {
        for (const Block &block : page.blocks)
            for (const Paragraph &paragraph : block.paragraphs)
                out << paragraph.text() << "\n\n";
        out << '\f';
    }
}

} // namespace pwt
