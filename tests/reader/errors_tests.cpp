// Bad input: a clear error with the documented code, silence about recovered damage, and no hang.
#include "pdf_builder.h"
#include "test_support.h"

#include "model/error.h"
#include "pdf/pdf_reader.h"

#include <gtest/gtest.h>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

namespace pwt::test {
namespace {

std::string helloPdf() {
    PdfBuilder pdf;
    pdf.page("BT /F1 12 Tf 72 700 Td (Hello) Tj ET", kHelvetica);
    return pdf.bytes();
}

std::string encrypted(const std::string &plain, const char *userPassword) {
    QPDF in;
    in.processMemoryFile("plain", plain.data(), plain.size());
    QPDFWriter out(in);
    out.setOutputMemory();
    out.setStaticID(true);
    out.setR6EncryptionParameters(userPassword, "owner", true, false, true, true, true, false, qpdf_r3p_none, true);
    out.write();
    std::shared_ptr<Buffer> buffer = out.getBufferSharedPointer();
    return std::string(reinterpret_cast<const char *>(buffer->getBuffer()), buffer->getSize());
}

int exitCodeOf(const std::string &path) {
    try {
        readTestPdf(path);
    } catch (const ConversionError &e) {
        EXPECT_NE(std::string(e.what()).find('\n'), 0u) << "one line";
        return e.code();
    }
    return ExitOk;
}

TEST(Errors, ExitCodes) {
    EXPECT_EQ(exitCodeOf(testing::TempDir() + "reader-no-such-file.pdf"), ExitCannotRead);
    EXPECT_EQ(exitCodeOf(writeTempFile("garbage.pdf", "this is not a PDF file at all\n")), ExitCannotRead);
    EXPECT_EQ(exitCodeOf(writeTempFile("empty.pdf", "")), ExitCannotRead);
    EXPECT_EQ(exitCodeOf(writeTempFile("locked.pdf", encrypted(helloPdf(), "secret"))), ExitPasswordNeeded);
}

TEST(Errors, EmptyUserPasswordOpens) {
    EXPECT_EQ(flat(pdfText(encrypted(helloPdf(), ""))), "Hello");
}

TEST(Errors, RecoveredDamageIsSilentUnlessAsked) {
    // Every offset in the cross-reference table is wrong; qpdf rebuilds it and warns.
    std::string pdf = helloPdf();
    size_t xref = pdf.find("xref\n");
    for (size_t p = pdf.find(" 00000 n", xref); p != std::string::npos; p = pdf.find(" 00000 n", p + 1))
        pdf[p - 1] = pdf[p - 1] == '9' ? '0' : '9';
    std::string path = writeTempFile("damaged.pdf", pdf);

    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    EXPECT_EQ(flat(pdfText(pdf)), "Hello");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    ReadOptions options;
    options.dataDir = PWT_DATA_DIR;
    std::vector<std::string> warnings;
    options.warn = [&](const std::string &w) { warnings.push_back(w); };
    readPdf(path, options);
    EXPECT_FALSE(warnings.empty());
}

TEST(Errors, TruncatedFilesNeverCrash) {
    std::string pdf = helloPdf();
    for (size_t length = 0; length < pdf.size(); length += 23) {
        int code = exitCodeOf(writeTempFile("cut.pdf", pdf.substr(0, length)));
        EXPECT_TRUE(code == ExitOk || code == ExitCannotRead) << length;
    }
}

TEST(Errors, HostileContentIsBounded) {
    struct Case {
        const char *name;
        std::string content;
    } cases[] = {
        {"deep arrays", std::string(200000, '[') + " (x) Tj"},
        {"deep dictionaries", std::string(100000, '<') + " (x) Tj"},
        {"endless saves", [] {
             std::string s;
             for (int i = 0; i < 100000; ++i)
                 s += "q 1 0 0 1 1 1 cm /Span << /ActualText (a) >> BDC ";
             return s + "BT /F1 12 Tf (x) Tj ET";
         }()},
        {"unterminated string", "BT /F1 12 Tf 72 700 Td (never closed"},
        {"unterminated inline image", "BI /W 10 /H 10 ID \x01\x02\x03"},
        {"operators without operands", "Tf Tj TJ Td Tm cm Do BDC ' \" re"},
    };
    for (const Case &c : cases) {
        PdfBuilder pdf;
        pdf.page(c.content, kHelvetica);
        EXPECT_NO_THROW(pdfText(pdf.bytes())) << c.name;
    }
}

TEST(Errors, FormBombEnds) {
    // Each form draws the next one ten times: 10^12 draws unless the reader bounds the work.
    PdfBuilder pdf;
    std::string previous = "BT /F1 1 Tf (x) Tj ET";
    int form = 0;
    for (int level = 0; level < 12; ++level) {
        std::string resources = std::string("<< /Font << /F1 << /Type /Font /Subtype /Type1 /BaseFont /Helvetica >> >>") +
                                (form ? " /XObject << /N " + std::to_string(form) + " 0 R >>" : "") + " >>";
        form = pdf.stream("/Type /XObject /Subtype /Form /BBox [0 0 612 792] /Resources " + resources, previous);
        previous = "/N Do /N Do /N Do /N Do /N Do /N Do /N Do /N Do /N Do /N Do";
    }
    pdf.page("/N Do", "<< /XObject << /N " + std::to_string(form) + " 0 R >> >>");
    EXPECT_NO_THROW(pdfText(pdf.bytes()));
}

} // namespace
} // namespace pwt::test
