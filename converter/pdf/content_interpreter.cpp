#include "pdf/content_interpreter.h"

#include "pdf/content_lexer.h"
#include "pdf/encodings.h"
#include "pdf/font.h"
#include "pdf/overlay_marks.h"
#include "pdf/stream_data.h"

#include <qpdf/QPDFPageObjectHelper.hh>

#include <algorithm>
#include <cmath>
#include <set>
#include <unordered_map>

namespace pwt {
namespace {

constexpr int kMaxFormDepth = 12;
constexpr size_t kMaxStateDepth = 256;
constexpr long kMaxOperators = 10000000;  // per page, forms included
constexpr long kMaxFormDraws = 100000;    // per page: forms that draw forms many times over
constexpr size_t kMaxGlyphs = 1000000;    // per page
constexpr size_t kMaxBackgrounds = 5000;
constexpr uint32_t kWhite = 0xFFFFFF;

struct Box {
    double left, top, right, bottom;
    bool contains(double x, double y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

struct GraphicsState {
    Matrix ctm;
    uint32_t fill = 0, stroke = 0;
    std::shared_ptr<Font> font;
    double fontSize = 0, charSpace = 0, wordSpace = 0, hScale = 1, leading = 0, rise = 0;
    int render = 0;
};

uint32_t rgb(double r, double g, double b) {
    auto channel = [](double v) { return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return (channel(r) << 16) | (channel(g) << 8) | channel(b);
}

// Colour from the operands of sc/scn and friends, by how many components there are.
uint32_t colourOf(const std::vector<Operand> &args) {
    std::vector<double> v;
    for (const Operand &a : args)
        if (a.type == Operand::Type::Number)
            v.push_back(a.number);
    if (v.size() == 1)
        return rgb(v[0], v[0], v[0]);
    if (v.size() == 3)
        return rgb(v[0], v[1], v[2]);
    if (v.size() == 4)
        return rgb((1 - v[0]) * (1 - v[3]), (1 - v[1]) * (1 - v[3]), (1 - v[2]) * (1 - v[3]));
    return 0;
}

Matrix translation(double tx, double ty) { return {1, 0, 0, 1, tx, ty}; }

class Interpreter {
public:
    Interpreter(const PageSetup &setup, FontCache &fonts, const std::function<void(const std::string &)> &warn)
        : fonts_(fonts), warn_(warn) {
        page_.width = setup.width;
        page_.height = setup.height;
        gs_.ctm = setup.toVisible;
    }

    void run(const std::string &content, QPDFObjectHandle resources, int depth);
    PageGlyphs take() { return std::move(page_); }

private:
    void execute(const std::string &op, std::vector<Operand> &args, QPDFObjectHandle resources, int depth);
    void showText(const std::string &bytes);
    void emit(const DecodedChar &c, double tx, double ty);
    void adjust(double amount);
    void doXObject(const std::string &name, QPDFObjectHandle resources, int depth);
    void beginMarkedContent(const std::vector<Operand> &args, QPDFObjectHandle resources);
    void endMarkedContent();
    void addPathPoint(double x, double y);
    void fillPath();
    int styleIndex(uint32_t colour);
    void warn(const std::string &message) {
        if (warn_)
            warn_(message);
    }
    double num(const std::vector<Operand> &args, size_t i) const {
        return i < args.size() && args[i].type == Operand::Type::Number ? args[i].number : 0;
    }

    FontCache &fonts_;
    const std::function<void(const std::string &)> &warn_;
    PageGlyphs page_;
    GraphicsState gs_;
    std::vector<GraphicsState> saved_;
    Matrix tm_, tlm_;
    std::vector<DecodedChar> decoded_;
    std::vector<Box> backgrounds_;
    bool havePath_ = false;
    Box path_{0, 0, 0, 0};
    std::vector<bool> markedActualText_;  // per open marked-content sequence
    bool inActualText_ = false;
    std::string actualText_;
    size_t actualTextStart_ = 0;
    std::set<QPDFObjGen> activeForms_;
    std::map<QPDFObjGen, std::string> formContent_;  // decoded once per page
    long formDraws_ = 0;
    std::unordered_map<std::string, int> styleIds_;
    long operators_ = 0;
    bool budgetWarned_ = false;
};

int Interpreter::styleIndex(uint32_t colour) {
    RunStyle style;
    if (gs_.font) {
        style.font = gs_.font->style().family;
        style.bold = gs_.font->style().bold || gs_.render == 2;
        style.italic = gs_.font->style().italic;
    }
    style.color = colour;
    std::string key = style.font + '\x1f' + char('0' + style.bold) + char('0' + style.italic) +
                      std::to_string(colour);
    auto it = styleIds_.find(key);
    if (it != styleIds_.end())
        return it->second;
    page_.styles.push_back(style);
    int id = static_cast<int>(page_.styles.size() - 1);
    styleIds_.emplace(key, id);
    return id;
}

void Interpreter::run(const std::string &content, QPDFObjectHandle resources, int depth) {
    ContentLexer lexer(content);
    std::string op;
    std::vector<Operand> args;
    while (lexer.next(op, args)) {
        if (++operators_ > kMaxOperators) {
            if (!budgetWarned_)
                warn("page content is too long; the rest of the page is skipped");
            budgetWarned_ = true;
            return;
        }
        execute(op, args, resources, depth);
    }
}

void Interpreter::emit(const DecodedChar &c, double tx, double ty) {
    if (c.text.empty() || page_.glyphs.size() >= kMaxGlyphs)
        return;
    Matrix m = tm_.times(gs_.ctm);
    Glyph g;
    double x1, y1;
    m.apply(0, gs_.rise, g.x, g.y);
    m.apply(tx, gs_.rise + ty, x1, y1);
    g.advance = std::hypot(x1 - g.x, y1 - g.y);
    g.size = std::hypot(m.c, m.d) * std::fabs(gs_.fontSize);
    double vx = gs_.font->vertical() ? -m.c : m.a, vy = gs_.font->vertical() ? -m.d : m.b;
    g.dir = std::fabs(vx) >= std::fabs(vy) ? (vx >= 0 ? 0 : 2) : (vy > 0 ? 1 : 3);
    if (!std::isfinite(g.x) || !std::isfinite(g.y) || !std::isfinite(g.advance) || !(g.size > 0.1) ||
        g.size > 2000)
        return;
    if (g.x < -1 || g.y < -1 || g.x > page_.width + 1 || g.y > page_.height + 1)
        return;  // outside the crop box
    bool invisible = gs_.render == 3 || gs_.render == 7;
    uint32_t colour = gs_.render == 1 || gs_.render == 5 ? gs_.stroke : gs_.fill;
    if (!invisible && colour == kWhite) {
        bool onBackground = std::any_of(backgrounds_.begin(), backgrounds_.end(),
                                        [&](const Box &b) { return b.contains(g.x, g.y); });
        if (!onBackground)
            return;
    }
    g.text = c.text;
    if (!page_.glyphs.empty() && !(inActualText_ && page_.glyphs.size() <= actualTextStart_)) {
        const Glyph &before = page_.glyphs.back();
        if (std::string text = combinedText(before, g); !text.empty()) {
            // The pair takes the place and the advance of the wider glyph, the letter or the symbol.
            if (before.advance > g.advance) {
                g.x = before.x;
                g.y = before.y;
                g.advance = before.advance;
            }
            g.text = std::move(text);
            page_.glyphs.pop_back();
        }
    }
    g.style = styleIndex(invisible ? 0 : colour);
    page_.glyphs.push_back(std::move(g));
}

void Interpreter::showText(const std::string &bytes) {
    if (!gs_.font)
        return;
    decoded_.clear();
    gs_.font->decode(bytes, decoded_);
    bool vertical = gs_.font->vertical();
    for (const DecodedChar &c : decoded_) {
        double spacing = gs_.charSpace + (c.wordSpace ? gs_.wordSpace : 0);
        double tx = 0, ty = 0;
        if (vertical)
            ty = -c.advance * gs_.fontSize + spacing;
        else
            tx = (c.advance * gs_.fontSize + spacing) * gs_.hScale;
        emit(c, tx, ty);
        tm_ = translation(tx, ty).times(tm_);
    }
}

void Interpreter::adjust(double amount) {
    double shift = -amount / 1000 * gs_.fontSize;
    if (gs_.font && gs_.font->vertical())
        tm_ = translation(0, -shift).times(tm_);
    else
        tm_ = translation(shift * gs_.hScale, 0).times(tm_);
}

void Interpreter::addPathPoint(double x, double y) {
    double px, py;
    gs_.ctm.apply(x, y, px, py);
    if (!havePath_) {
        path_ = {px, py, px, py};
        havePath_ = true;
        return;
    }
    path_.left = std::min(path_.left, px);
    path_.right = std::max(path_.right, px);
    path_.top = std::min(path_.top, py);
    path_.bottom = std::max(path_.bottom, py);
}

void Interpreter::fillPath() {
    if (havePath_ && gs_.fill != kWhite && backgrounds_.size() < kMaxBackgrounds)
        backgrounds_.push_back(path_);
}

void Interpreter::beginMarkedContent(const std::vector<Operand> &args, QPDFObjectHandle resources) {
    std::string text;
    bool found = false;
    if (args.size() >= 2 && args[1].type == Operand::Type::Dict) {
        if (const Operand *actual = args[1].find("ActualText"); actual && actual->type == Operand::Type::String) {
            text = textStringToUtf8(actual->bytes);
            found = true;
        }
    } else if (args.size() >= 2 && args[1].type == Operand::Type::Name && resources.isDictionary()) {
        QPDFObjectHandle props = resources.getKey("/Properties").getKey("/" + args[1].bytes);
        if (props.isDictionary() && props.getKey("/ActualText").isString()) {
            text = textStringToUtf8(props.getKey("/ActualText").getStringValue());
            found = true;
        }
    }
    bool starts = found && !inActualText_;
    markedActualText_.push_back(starts);
    if (starts) {
        inActualText_ = true;
        actualText_ = text;
        actualTextStart_ = page_.glyphs.size();
    }
}

// The glyphs of an ActualText span become one glyph carrying the replacement text.
void Interpreter::endMarkedContent() {
    if (markedActualText_.empty())
        return;
    bool ends = markedActualText_.back();
    markedActualText_.pop_back();
    if (!ends)
        return;
    inActualText_ = false;
    if (actualTextStart_ >= page_.glyphs.size())
        return;
    Glyph first = page_.glyphs[actualTextStart_];
    const Glyph &last = page_.glyphs.back();
    double lastEndX = last.x, lastEndY = last.y;
    static const double dx[] = {1, 0, -1, 0}, dy[] = {0, 1, 0, -1};
    lastEndX += dx[last.dir] * last.advance;
    lastEndY += dy[last.dir] * last.advance;
    first.advance = std::hypot(lastEndX - first.x, lastEndY - first.y);
    first.text = actualText_;
    page_.glyphs.resize(actualTextStart_);
    if (!first.text.empty())
        page_.glyphs.push_back(std::move(first));
}

void Interpreter::doXObject(const std::string &name, QPDFObjectHandle resources, int depth) {
    if (!resources.isDictionary())
        return;
    QPDFObjectHandle xobject = resources.getKey("/XObject").getKey("/" + name);
    if (!xobject.isStream())
        return;
    QPDFObjectHandle dict = xobject.getDict();
    std::string subtype = dict.getKey("/Subtype").isName() ? dict.getKey("/Subtype").getName() : "";
    if (subtype == "/Image") {
        // A picture can be the background of white text.
        havePath_ = false;
        addPathPoint(0, 0);
        addPathPoint(1, 1);
        addPathPoint(0, 1);
        addPathPoint(1, 0);
        if (backgrounds_.size() < kMaxBackgrounds)
            backgrounds_.push_back(path_);
        havePath_ = false;
        return;
    }
    if (subtype != "/Form" || depth >= kMaxFormDepth)
        return;
    QPDFObjGen id = xobject.getObjGen();
    if (activeForms_.count(id))
        return;  // a form that draws itself
    if (++formDraws_ > kMaxFormDraws) {
        if (formDraws_ == kMaxFormDraws + 1)
            warn("too many form XObjects drawn; the rest are skipped");
        return;
    }
    auto cached = formContent_.find(id);
    if (cached == formContent_.end()) {
        cached = formContent_.emplace(id, std::string()).first;
        if (!readStreamData(xobject, cached->second))
            warn("damaged form XObject content");
    }
    const std::string &content = cached->second;
    QPDFObjectHandle formResources = dict.getKey("/Resources");
    if (!formResources.isDictionary())
        formResources = resources;
    saved_.push_back(gs_);
    QPDFObjectHandle matrix = dict.getKey("/Matrix");
    if (matrix.isArray() && matrix.getArrayNItems() == 6) {
        Matrix m{numberOr(matrix.getArrayItem(0), 1), numberOr(matrix.getArrayItem(1), 0),
                 numberOr(matrix.getArrayItem(2), 0), numberOr(matrix.getArrayItem(3), 1),
                 numberOr(matrix.getArrayItem(4), 0), numberOr(matrix.getArrayItem(5), 0)};
        gs_.ctm = m.times(gs_.ctm);
    }
    Matrix tm = tm_, tlm = tlm_;
    size_t marked = markedActualText_.size();
    activeForms_.insert(id);
    run(content, formResources, depth + 1);
    activeForms_.erase(id);
    while (markedActualText_.size() > marked)
        endMarkedContent();
    tm_ = tm;
    tlm_ = tlm;
    gs_ = saved_.back();
    saved_.pop_back();
}

void Interpreter::execute(const std::string &op, std::vector<Operand> &args, QPDFObjectHandle resources,
                          int depth) {
    const size_t n = args.size();
    if (op == "Tj" && n >= 1) {
        showText(args[0].bytes);
    } else if (op == "TJ" && n >= 1) {
        for (const Operand &item : args[0].items) {
            if (item.type == Operand::Type::String)
                showText(item.bytes);
            else if (item.type == Operand::Type::Number)
                adjust(item.number);
        }
    } else if ((op == "Td" || op == "TD") && n >= 2) {
        if (op == "TD")
            gs_.leading = -num(args, 1);
        tlm_ = translation(num(args, 0), num(args, 1)).times(tlm_);
        tm_ = tlm_;
    } else if (op == "Tm" && n >= 6) {
        tlm_ = {num(args, 0), num(args, 1), num(args, 2), num(args, 3), num(args, 4), num(args, 5)};
        tm_ = tlm_;
    } else if (op == "T*" || op == "'" || op == "\"") {
        if (op == "\"" && n >= 3) {
            gs_.wordSpace = num(args, 0);
            gs_.charSpace = num(args, 1);
        }
        tlm_ = translation(0, -gs_.leading).times(tlm_);
        tm_ = tlm_;
        if (op != "T*" && n >= 1)
            showText(args[n - 1].bytes);
    } else if (op == "Tf" && n >= 2) {
        gs_.fontSize = num(args, 1);
        gs_.font.reset();
        if (args[0].type == Operand::Type::Name && resources.isDictionary())
            gs_.font = fonts_.get(resources.getKey("/Font").getKey("/" + args[0].bytes));
    } else if (op == "BT") {
        tm_ = tlm_ = Matrix();
    } else if (op == "Tc" && n >= 1) {
        gs_.charSpace = num(args, 0);
    } else if (op == "Tw" && n >= 1) {
        gs_.wordSpace = num(args, 0);
    } else if (op == "Tz" && n >= 1) {
        gs_.hScale = num(args, 0) / 100;
    } else if (op == "TL" && n >= 1) {
        gs_.leading = num(args, 0);
    } else if (op == "Ts" && n >= 1) {
        gs_.rise = num(args, 0);
    } else if (op == "Tr" && n >= 1) {
        gs_.render = static_cast<int>(num(args, 0));
    } else if (op == "q") {
        if (saved_.size() < kMaxStateDepth)
            saved_.push_back(gs_);
    } else if (op == "Q") {
        if (!saved_.empty()) {
            gs_ = saved_.back();
            saved_.pop_back();
        }
    } else if (op == "cm" && n >= 6) {
        Matrix m{num(args, 0), num(args, 1), num(args, 2), num(args, 3), num(args, 4), num(args, 5)};
        gs_.ctm = m.times(gs_.ctm);
    } else if (op == "Do" && n >= 1 && args[0].type == Operand::Type::Name) {
        doXObject(args[0].bytes, resources, depth);
    } else if (op == "BDC" || op == "BMC") {
        beginMarkedContent(args, resources);
    } else if (op == "EMC") {
        endMarkedContent();
    } else if (op == "g" || op == "rg" || op == "k" || op == "sc" || op == "scn") {
        gs_.fill = colourOf(args);
    } else if (op == "G" || op == "RG" || op == "K" || op == "SC" || op == "SCN") {
        gs_.stroke = colourOf(args);
    } else if (op == "cs") {
        gs_.fill = 0;
    } else if (op == "CS") {
        gs_.stroke = 0;
    } else if (op == "re" && n >= 4) {
        double x = num(args, 0), y = num(args, 1), w = num(args, 2), h = num(args, 3);
        addPathPoint(x, y);
        addPathPoint(x + w, y + h);
        addPathPoint(x, y + h);
        addPathPoint(x + w, y);
    } else if ((op == "m" || op == "l") && n >= 2) {
        addPathPoint(num(args, 0), num(args, 1));
    } else if ((op == "c" && n >= 6) || ((op == "v" || op == "y") && n >= 4)) {
        addPathPoint(num(args, n - 2), num(args, n - 1));
    } else if (op == "f" || op == "F" || op == "f*" || op == "B" || op == "B*" || op == "b" || op == "b*") {
        fillPath();
        havePath_ = false;
    } else if (op == "n" || op == "S" || op == "s") {
        havePath_ = false;
    }
}

} // namespace

std::shared_ptr<Font> FontCache::get(QPDFObjectHandle dict) {
    QPDFObjGen id = dict.getObjGen();
    if (id.isIndirect()) {
        auto it = fonts_.find(id);
        if (it != fonts_.end())
            return it->second;
        return fonts_[id] = loadFont(dict, data_);
    }
    // A font written inline in its resources has no object number; its text identifies it.
    std::string key = dict.unparse();
    auto it = directFonts_.find(key);
    if (it != directFonts_.end())
        return it->second;
    return directFonts_[key] = loadFont(dict, data_);
}

PageGlyphs interpretPage(QPDFObjectHandle page, const PageSetup &setup, FontCache &fonts,
                         const std::function<void(const std::string &)> &warn) {
    QPDFPageObjectHelper helper(page);
    std::string content;
    QPDFObjectHandle contents = page.getKey("/Contents");
    std::vector<QPDFObjectHandle> streams;
    if (contents.isArray())
        streams = contents.getArrayAsVector();
    else
        streams.push_back(contents);
    for (QPDFObjectHandle &stream : streams) {
        if (!stream.isStream())
            continue;
        if (!readStreamData(stream, content) && warn)
            warn("damaged page content; reading what could be decoded");
        content += '\n';
    }
    Interpreter interpreter(setup, fonts, warn);
    interpreter.run(content, helper.getAttribute("/Resources", false), 0);
    return interpreter.take();
}

} // namespace pwt
