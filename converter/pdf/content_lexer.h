// Splits a content stream into operators and their operands. Inline image data is skipped.
#pragma once

#include <string>
#include <vector>

namespace pwt {

struct Operand {
    enum class Type { Number, String, Name, Array, Dict, Other };
    Type type = Type::Other;
    double number = 0;
    std::string bytes;           // a string's bytes or a name without its slash
    std::vector<Operand> items;  // an array's items; a dictionary's keys and values in turn

    const Operand *find(const std::string &key) const;  // in a dictionary
};

class ContentLexer {
public:
    explicit ContentLexer(const std::string &data) : s_(data) {}

    // The next operator and the operands before it; false at the end of the data.
    bool next(std::string &op, std::vector<Operand> &operands);

private:
    bool readObject(Operand &out, int depth);
    void skipSpace();
    void readLiteralString(std::string &out);
    void readHexString(std::string &out);
    std::string readRegular();
    void skipInlineImage();

    const std::string &s_;
    size_t i_ = 0;
};

} // namespace pwt
