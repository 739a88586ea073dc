#include "pdf/content_lexer.h"

#include <cstdlib>

namespace pwt {
namespace {

constexpr int kMaxNesting = 32;
constexpr size_t kMaxOperands = 4096;

bool isSpace(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0'; }

bool isDelimiter(char c) {
    return c == '(' || c == ')' || c == '<' || c == '>' || c == '[' || c == ']' || c == '{' || c == '}' ||
           c == '/' || c == '%';
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isNumberStart(char c) { return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.'; }

} // namespace

const Operand *Operand::find(const std::string &key) const {
    for (size_t i = 0; i + 1 < items.size(); i += 2)
        if (items[i].type == Type::Name && items[i].bytes == key)
            return &items[i + 1];
    return nullptr;
}

void ContentLexer::skipSpace() {
    while (i_ < s_.size()) {
        if (isSpace(s_[i_])) {
            ++i_;
        } else if (s_[i_] == '%') {
            while (i_ < s_.size() && s_[i_] != '\n' && s_[i_] != '\r')
                ++i_;
        } else {
            return;
        }
    }
}

void ContentLexer::readLiteralString(std::string &out) {
    int depth = 1;
    ++i_;
    while (i_ < s_.size()) {
        char c = s_[i_++];
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (--depth == 0)
                return;
        } else if (c == '\\' && i_ < s_.size()) {
            c = s_[i_++];
            switch (c) {
            case 'n': out += '\n'; continue;
            case 'r': out += '\r'; continue;
            case 't': out += '\t'; continue;
            case 'b': out += '\b'; continue;
            case 'f': out += '\f'; continue;
            case '\r':
                if (i_ < s_.size() && s_[i_] == '\n')
                    ++i_;
                continue;
            case '\n': continue;
            default:
                if (c >= '0' && c <= '7') {
                    int v = c - '0';
                    for (int k = 0; k < 2 && i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '7'; ++k)
                        v = v * 8 + (s_[i_++] - '0');
                    out += static_cast<char>(v & 0xFF);
                    continue;
                }
            }
        }
        out += c;
    }
}

void ContentLexer::readHexString(std::string &out) {
    ++i_;
    int high = -1;
    while (i_ < s_.size() && s_[i_] != '>') {
        int d = hexDigit(s_[i_++]);
        if (d < 0)
            continue;
        if (high < 0) {
            high = d;
        } else {
            out += static_cast<char>(high * 16 + d);
            high = -1;
        }
    }
    if (high >= 0)
        out += static_cast<char>(high * 16);
    ++i_;
}

std::string ContentLexer::readRegular() {
    size_t start = i_;
    while (i_ < s_.size() && !isSpace(s_[i_]) && !isDelimiter(s_[i_]))
        ++i_;
    return s_.substr(start, i_ - start);
}

// Reads one operand; false (consuming nothing) when the next token is an operator.
bool ContentLexer::readObject(Operand &out, int depth) {
    skipSpace();
    if (i_ >= s_.size())
        return false;
    char c = s_[i_];
    out = Operand();
    if (c == '(') {
        out.type = Operand::Type::String;
        readLiteralString(out.bytes);
    } else if (c == '<' && i_ + 1 < s_.size() && s_[i_ + 1] == '<') {
        i_ += 2;
        out.type = Operand::Type::Dict;
        for (;;) {
            skipSpace();
            if (i_ + 1 >= s_.size() || (s_[i_] == '>' && s_[i_ + 1] == '>')) {
                i_ += 2;
                break;
            }
            Operand item;
            if (depth >= kMaxNesting || !readObject(item, depth + 1)) {
                ++i_;  // a stray token inside a dictionary
                continue;
            }
            out.items.push_back(std::move(item));
        }
    } else if (c == '<') {
        out.type = Operand::Type::String;
        readHexString(out.bytes);
    } else if (c == '[') {
        ++i_;
        out.type = Operand::Type::Array;
        for (;;) {
            skipSpace();
            if (i_ >= s_.size() || s_[i_] == ']') {
                ++i_;
                break;
            }
            Operand item;
            if (depth >= kMaxNesting || !readObject(item, depth + 1)) {
                // An operator inside an array, or nesting past the limit, is damage: drop the token.
                if (readRegular().empty() && i_ < s_.size())
                    ++i_;
                continue;
            }
            out.items.push_back(std::move(item));
        }
    } else if (c == '/') {
        ++i_;
        out.type = Operand::Type::Name;
        out.bytes = readRegular();
    } else if (isNumberStart(c)) {
        std::string word = readRegular();
        out.type = Operand::Type::Number;
        out.number = std::strtod(word.c_str(), nullptr);
    } else if (c == ')' || c == '>' || c == ']' || c == '{' || c == '}') {
        ++i_;
        out.type = Operand::Type::Other;
    } else {
        size_t start = i_;
        std::string word = readRegular();
        if (word == "true" || word == "false" || word == "null") {
            out.type = Operand::Type::Other;
            out.number = word == "true";
            return true;
        }
        i_ = start;
        return false;
    }
    return true;
}

void ContentLexer::skipInlineImage() {
    // The dictionary runs to ID; the data ends at an EI that stands alone between white-space.
    for (;;) {
        skipSpace();
        if (i_ >= s_.size())
            return;
        Operand ignored;
        if (readObject(ignored, 0))
            continue;
        std::string word = readRegular();
        if (word == "ID")
            break;
        if (word.empty())
            ++i_;
    }
    ++i_;
    for (; i_ + 2 <= s_.size(); ++i_) {
        if (s_[i_] == 'E' && s_[i_ + 1] == 'I' && isSpace(s_[i_ - 1]) &&
            (i_ + 2 == s_.size() || isSpace(s_[i_ + 2]) || isDelimiter(s_[i_ + 2]))) {
            i_ += 2;
            return;
        }
    }
    i_ = s_.size();
}

bool ContentLexer::next(std::string &op, std::vector<Operand> &operands) {
    operands.clear();
    for (;;) {
        Operand operand;
        if (readObject(operand, 0)) {
            if (operands.size() < kMaxOperands)
                operands.push_back(std::move(operand));
            continue;
        }
        skipSpace();
        if (i_ >= s_.size())
            return false;
        op = readRegular();
        if (op.empty()) {
            ++i_;
            continue;
        }
        if (op == "BI") {
            skipInlineImage();
            operands.clear();
            continue;
        }
        return true;
    }
}

} // namespace pwt
