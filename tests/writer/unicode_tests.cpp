// UTF-8 from the PDF to the UTF-16 of the .doc: damaged input never breaks the text.
#include "doc/unicode.h"

#include <gtest/gtest.h>

namespace pwt::doc {
namespace {

TEST(ToUtf16, DecodesEveryLengthAndReplacesWhatIsBroken) {
    const struct {
        std::string in;
        std::u16string out;
    } cases[] = {
        {"abc", u"abc"},
        {"\xC3\xA9\xE4\xB8\xAD", u"\u00E9\u4E2D"},
        {"\xF0\x9F\x98\x80", u"\U0001F600"},             // outside the BMP: a surrogate pair
        {"a\xFF" "b", u"a\uFFFD" "b"},                      // a byte that never starts a sequence
        {"\xE4\xB8", u"\uFFFD"},                           // cut off at the end
        {"\xE4" "a", u"\uFFFD" "a"},                        // cut off by an ASCII byte, which is kept
        {"\xC0\xAF", u"\uFFFD"},                           // overlong
        {"\xED\xA0\x80", u"\uFFFD"},                       // an encoded surrogate
    };
    for (const auto &c : cases)
        EXPECT_TRUE(toUtf16(c.in) == c.out) << c.in;
}

TEST(EastAsianLanguage, FollowsTheScript) {
    EXPECT_EQ(eastAsianLanguage(u"plain text"), 0);
    EXPECT_EQ(eastAsianLanguage(u"中文"), 0x0804);
    EXPECT_EQ(eastAsianLanguage(u"漢字とかな"), 0x0411);
    EXPECT_EQ(eastAsianLanguage(u"한국어"), 0x0412);
}

} // namespace
} // namespace pwt::doc
