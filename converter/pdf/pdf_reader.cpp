#include "pdf/pdf_reader.h"

#include "layout/page_layout.h"
#include "model/error.h"
#include "pdf/content_interpreter.h"
#include "pdf/font_data.h"
#include "pdf/input_file.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <algorithm>
#include <cmath>

namespace pwt {
namespace {

struct Rect {
    double llx, lly, urx, ury;
};

bool readRect(QPDFObjectHandle box, Rect &r) {
    if (!box.isRectangle())
        return false;
    QPDFObjectHandle::Rectangle q = box.getArrayAsRectangle();
    r = {std::min(q.llx, q.urx), std::min(q.lly, q.ury), std::max(q.llx, q.urx), std::max(q.lly, q.ury)};
    return r.urx - r.llx > 1 && r.ury - r.lly > 1;
}

// The visible area: the crop box within the media box, or the media box.
Rect visibleArea(QPDFPageObjectHelper &page) {
    Rect media{0, 0, 612, 792};
    readRect(page.getAttribute("/MediaBox", false), media);
    Rect crop;
    if (!readRect(page.getAttribute("/CropBox", false), crop))
        return media;
    Rect r{std::max(crop.llx, media.llx), std::max(crop.lly, media.lly), std::min(crop.urx, media.urx),
           std::min(crop.ury, media.ury)};
    return r.urx - r.llx > 1 && r.ury - r.lly > 1 ? r : media;
}

int pageRotation(QPDFPageObjectHelper &page) {
    QPDFObjectHandle rotate = page.getAttribute("/Rotate", false);
    long long r = rotate.isInteger() ? rotate.getIntValue() : 0;
    return static_cast<int>(((r % 360) + 360) % 360) / 90 * 90;
}

// Default user space to top-down coordinates of the page as a viewer shows it after /Rotate.
PageSetup setupFor(const Rect &r, int rotation) {
    PageSetup s;
    double w = r.urx - r.llx, h = r.ury - r.lly;
    switch (rotation) {
    case 90: s.toVisible = {0, 1, 1, 0, -r.lly, -r.llx}; s.width = h; s.height = w; break;
    case 180: s.toVisible = {-1, 0, 0, 1, r.urx, -r.lly}; s.width = w; s.height = h; break;
    case 270: s.toVisible = {0, -1, -1, 0, r.ury, r.urx}; s.width = h; s.height = w; break;
    default: s.toVisible = {1, 0, 0, -1, -r.llx, r.ury}; s.width = w; s.height = h; break;
    }
    return s;
}

void setMargins(Page &page) {
    if (page.blocks.empty())
        return;
    double left = page.width, right = 0, top = page.height, bottom = 0;
    for (const Block &b : page.blocks) {
        left = std::min(left, b.left);
        right = std::max(right, b.right);
        top = std::min(top, b.top);
        bottom = std::max(bottom, b.bottom);
    }
    page.marginLeft = std::clamp(left, 0.0, page.width / 2);
    page.marginRight = std::clamp(page.width - right, 0.0, page.width / 2);
    page.marginTop = std::clamp(top, 0.0, page.height / 2);
    page.marginBottom = std::clamp(page.height - bottom, 0.0, page.height / 2);
    for (Block &b : page.blocks)
        for (Paragraph &p : b.paragraphs)
            p.leftIndent += b.left - page.marginLeft;
}

std::string infoString(QPDF &pdf, const char *key) {
    QPDFObjectHandle info = pdf.getTrailer().getKey("/Info");
    QPDFObjectHandle value = info.isDictionary() ? info.getKey(key) : QPDFObjectHandle();
    return value.isString() ? value.getUTF8Value() : std::string();
}

class WarningRelay {
public:
    WarningRelay(QPDF &pdf, const ReadOptions &options) : pdf_(pdf), options_(options) {}
    void flush() {
        std::vector<QPDFExc> warnings = pdf_.getWarnings();  // also clears them
        if (options_.warn)
            for (const QPDFExc &w : warnings)
                options_.warn(w.what());
    }
    void operator()(const std::string &message) const {
        if (options_.warn)
            options_.warn(message);
    }

private:
    QPDF &pdf_;
    const ReadOptions &options_;
};

template <typename Open>
Document readOpened(const std::string &name, const ReadOptions &options, Open open) {
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    WarningRelay relay(pdf, options);
    std::vector<QPDFPageObjectHelper> pages;
    try {
        open(pdf);
        pages = QPDFPageDocumentHelper(pdf).getAllPages();
    } catch (const QPDFExc &e) {
        if (e.getErrorCode() == qpdf_e_password)
            throw ConversionError(ExitPasswordNeeded, name + " needs a password");
        throw ConversionError(ExitCannotRead, "cannot read " + name + ": " + e.getMessageDetail());
    } catch (const std::exception &e) {
        throw ConversionError(ExitCannotRead, "cannot read " + name + ": " + e.what());
    }
    relay.flush();
    if (pages.empty())
        throw ConversionError(ExitCannotRead, "cannot read " + name + ": no pages found");

    Document doc;
    doc.info.title = infoString(pdf, "/Title");
    doc.info.author = infoString(pdf, "/Author");
    FontData data(options.dataDir);
    FontCache fonts(data);
    std::function<void(const std::string &)> warn = relay;
    for (QPDFPageObjectHelper &helper : pages) {
        Page page;
        try {
            Rect area = visibleArea(helper);
            page.rotation = pageRotation(helper);
            PageSetup setup = setupFor(area, page.rotation);
            page.width = setup.width;
            page.height = setup.height;
            PageGlyphs glyphs = interpretPage(helper.getObjectHandle(), setup, fonts, warn);
            page.blocks = layoutPage(glyphs);
            setMargins(page);
        } catch (const std::exception &e) {
            relay(std::string("skipping damaged page: ") + e.what());
            page.blocks.clear();
        }
        relay.flush();
        doc.pages.push_back(std::move(page));
    }
    return doc;
}

} // namespace

Document readPdf(const std::string &path, const ReadOptions &options) {
    FilePtr file = openForReading(path);
    if (!file)
        throw ConversionError(ExitCannotRead, "cannot open " + path);
    return readOpened(path, options, [&](QPDF &pdf) { pdf.processFile(path.c_str(), file.release(), true, ""); });
}

Document readPdfData(const std::string &data, const std::string &name, const ReadOptions &options) {
    return readOpened(name, options,
                      [&](QPDF &pdf) { pdf.processMemoryFile(name.c_str(), data.data(), data.size(), ""); });
}

} // namespace pwt
