#include "doc/word_writer.h"

#include "cfb/compound_file.h"
#include "doc/document_text.h"
#include "doc/dop.h"
#include "doc/fib.h"
#include "doc/font_table.h"
#include "doc/formatted_pages.h"
#include "doc/little_endian.h"
#include "doc/sprms.h"
#include "doc/stylesheet.h"
#include "doc/summary_information.h"
#include "doc/unicode.h"

#include <stdexcept>

namespace pwt {

namespace {

using namespace doc;

constexpr uint32_t kTextStart = 0x400;  // the text follows the FIB on its own sector boundary
constexpr size_t kMinWordDocumentSize = 4096;  // antiword refuses a shorter WordDocument stream

uint32_t fcOf(uint32_t cp) { return kTextStart + 2 * cp; }

TableSpan append(std::string &table, const std::string &bytes) {
    const TableSpan span{uint32_t(table.size()), uint32_t(bytes.size())};
    table += bytes;
    return span;
}

// The piece table: all of the text in one Unicode piece.
std::string clxBytes(uint32_t ccp) {
    std::string plcPcd;
    put32(plcPcd, 0);
    put32(plcPcd, ccp);
    put16(plcPcd, 0);           // Pcd flags
    put32(plcPcd, kTextStart);  // fc with fCompressed clear: UTF-16
    put16(plcPcd, 0);           // no Prm
    std::string clx;
    put8(clx, 0x02);
    put32(clx, uint32_t(plcPcd.size()));
    return clx + plcPcd;
}

FormattedPages formattedPages(FormattedPages::Kind kind, const std::vector<TextRange> &ranges) {
    FormattedPages pages(kind);
    uint32_t start = 0;
    for (const TextRange &r : ranges) {
        pages.add(fcOf(start), fcOf(r.end), r.properties);
        start = r.end;
    }
    return pages;
}

} // namespace

void writeWordDocument(const Document &document, std::ostream &out) {
    FontTable fonts;
    const DocumentText text = layOutText(document, fonts);
    if (text.text.size() > (0x7FFFFFFFu - kTextStart) / 2)
        throw std::length_error("document text too long for a .doc");
    const uint32_t ccp = uint32_t(text.text.size());

    std::string word(kTextStart, '\0');
    putUtf16(word, text.text);
    const uint32_t fcMac = uint32_t(word.size());

    std::vector<uint32_t> sepxAt;
    for (const SectionRange &section : text.sections) {
        padTo(word, 2);
        sepxAt.push_back(uint32_t(word.size()));
        const std::string grpprl = sectionGrpprl(*section.page);
        put16(word, uint16_t(grpprl.size()));
        word += grpprl;
    }

    padTo(word, 512);
    FormattedPages chpx = formattedPages(FormattedPages::Kind::Character, text.runs);
    word += chpx.pages(uint32_t(word.size() / 512));
    FormattedPages papx = formattedPages(FormattedPages::Kind::Paragraph, text.paragraphs);
    word += papx.pages(uint32_t(word.size() / 512));
    if (word.size() < kMinWordDocumentSize)
        word.resize(kMinWordDocumentSize, '\0');

    std::string plcfSed;
    put32(plcfSed, 0);
    for (const SectionRange &section : text.sections)
        put32(plcfSed, section.end);
    for (uint32_t at : sepxAt) {
        put16(plcfSed, 0);
        put32(plcfSed, at);
        put16(plcfSed, 0);
        put32(plcfSed, 0xFFFFFFFF);
    }

    FibFields fib;
    fib.lidFE = eastAsianLanguage(text.text);
    fib.fcMin = kTextStart;
    fib.fcMac = fcMac;
    fib.cbMac = uint32_t(word.size());
    fib.ccpText = ccp;
    std::string table;
    fib.stshf = append(table, stylesheetBytes());
    fib.plcfSed = append(table, plcfSed);
    fib.plcfBteChpx = append(table, chpx.binTable());
    fib.plcfBtePapx = append(table, papx.binTable());
    fib.sttbfFfn = append(table, fonts.bytes());
    fib.dop = append(table, dopBytes());
    fib.clx = append(table, clxBytes(ccp));
    word.replace(0, kFibSize, fibBytes(fib));

    std::vector<cfb::Stream> streams;
    streams.push_back({"WordDocument", std::move(word)});
    streams.push_back({"1Table", std::move(table)});
    std::string summary = summaryInformation(document.info);
    if (!summary.empty())
        streams.push_back({"\005SummaryInformation", std::move(summary)});
    cfb::writeCompoundFile(streams, out);
}

} // namespace pwt
