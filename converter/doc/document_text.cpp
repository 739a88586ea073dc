#include "doc/document_text.h"

#include "doc/little_endian.h"
#include "doc/sprms.h"
#include "doc/stylesheet.h"
#include "doc/unicode.h"

#include <cctype>

namespace pwt::doc {

namespace {

constexpr size_t kCatdocBlockChars = 128;

bool catdocSeesUtf16(char16_t c) { return c == u' ' || c == kParagraphMark || (c < 0x80 && std::ispunct(c)); }

std::string hidden(std::string props) {
    put16(props, sprm::CFVanish);
    put8(props, 1);
    return props;
}

bool sameSize(const Page &a, const Page &b) { return a.width == b.width && a.height == b.height; }

// Word gives meaning to most characters below U+0020 (fields, cells, pictures, marks): text from the PDF
// must not carry them, so only the tab survives and line ends become line breaks.
char16_t clean(char16_t c) {
    if (c >= 0x20)
        return c == 0xFFFE || c == 0xFFFF ? u'\uFFFD' : c;
    if (c == u'\t')
        return c;
    if (c == u'\n' || c == u'\r' || c == 0x0B)
        return kLineBreak;
    return u' ';
}

class Builder {
public:
    Builder(DocumentText &out, FontTable &fonts) : out_(out), fonts_(fonts) {}

    void page(const Page &page, bool newSection) {
        if (newSection)
            endSection();
        else if (current_)
            pageBreakPending_ = true;
        if (!sectionPage_)
            sectionPage_ = &page;
        current_ = &page;
        for (const Block &block : page.blocks)
            for (const Paragraph &p : block.paragraphs)
                paragraph(p);
        if (pageBreakPending_) {
            // An empty page still takes its page: a paragraph that holds only the break.
            Paragraph empty;
            paragraph(empty);
        }
    }

    void finish() {
        if (out_.paragraphs.empty() || paragraphsInSection_ == 0) {
            Paragraph empty;
            paragraph(empty);
        }
        out_.sections.push_back({uint32_t(out_.text.size()), sectionPage_ ? sectionPage_ : &defaultPage_});
    }

private:
    void paragraph(const Paragraph &p) {
        const RunStyle *style = p.runs.empty() ? nullptr : &p.runs.back().style;
        if (pageBreakPending_) {
            put(kPageBreak, p.runs.empty() ? charProps(RunStyle()) : charProps(p.runs.front().style));
            pageBreakPending_ = false;
        }
        for (const Run &run : p.runs) {
            const std::string props = charProps(run.style);
            if (run.kind == Run::Kind::LineBreak) {
                put(kLineBreak, props);
                continue;
            }
            for (char16_t c : toUtf16(run.text))
                append(clean(c), props);
            out_.runs.push_back({uint32_t(out_.text.size()), props});
        }
        put(kParagraphMark, style ? charProps(*style) : charProps(RunStyle()));
        std::string props;
        const int level = p.headingLevel >= 1 && p.headingLevel <= kMaxHeadingStyle ? p.headingLevel : 0;
        put16(props, uint16_t(level));
        props += paragraphGrpprl(p);
        out_.paragraphs.push_back({uint32_t(out_.text.size()), props});
        ++paragraphsInSection_;
    }

    // catdoc decides for each 256 bytes of text whether they are UTF-16 by looking for an ASCII space,
    // punctuation or paragraph mark; without one it reads them as 8-bit and garbles pure CJK text. Such a
    // block gets a hidden space in its last character, which Word and LibreOffice do not show.
    void append(char16_t c, const std::string &props) {
        const size_t at = out_.text.size();
        if (at % kCatdocBlockChars == 0)
            blockHasAscii_ = false;
        if (at % kCatdocBlockChars == kCatdocBlockChars - 1 && !blockHasAscii_ && !catdocSeesUtf16(c)) {
            out_.runs.push_back({uint32_t(at), props});
            out_.text += u' ';
            out_.runs.push_back({uint32_t(at + 1), hidden(props)});
            blockHasAscii_ = false;
        }
        out_.text += c;
        blockHasAscii_ = blockHasAscii_ || catdocSeesUtf16(c);
    }

    // The section's last paragraph mark becomes the section mark, so no empty paragraph is added.
    void endSection() {
        if (paragraphsInSection_ == 0) {
            Paragraph empty;
            paragraph(empty);
        }
        out_.text.back() = kSectionMark;
        out_.sections.push_back({uint32_t(out_.text.size()), sectionPage_});
        sectionPage_ = nullptr;
        paragraphsInSection_ = 0;
        pageBreakPending_ = false;
    }

    void put(char16_t c, const std::string &props) {
        append(c, props);
        out_.runs.push_back({uint32_t(out_.text.size()), props});
    }

    std::string charProps(const RunStyle &style) { return characterGrpprl(style, fonts_.indexFor(style.font)); }

    DocumentText &out_;
    FontTable &fonts_;
    const Page *current_ = nullptr;
    const Page *sectionPage_ = nullptr;
    size_t paragraphsInSection_ = 0;
    bool pageBreakPending_ = false;
    bool blockHasAscii_ = false;
    const Page defaultPage_{};
};

} // namespace

DocumentText layOutText(const Document &doc, FontTable &fonts) {
    DocumentText out;
    Builder builder(out, fonts);
    for (size_t i = 0; i < doc.pages.size(); ++i)
        builder.page(doc.pages[i], i > 0 && !sameSize(doc.pages[i - 1], doc.pages[i]));
    builder.finish();
    return out;
}

} // namespace pwt::doc
