#include "app/text_trim.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char *text;
    const char *trimmed;
};

// "\xA1\xA1" is the full-width space of GBK; "\xB0\xA1" is 啊, whose trail byte is A1.
// clang-format off
const Case Cases[] = {
    {"", ""},
    {"   ", ""},
    {"\xA1\xA1", ""},
    {" \xA1\xA1 \xA1\xA1", ""},
    {"  D:\\Out  ", "D:\\Out"},
    {"\xA1\xA1" "D:\\Out" "\xA1\xA1", "D:\\Out"},
    {"a b", "a b"},
    {"a\xA1\xA1" "b", "a\xA1\xA1" "b"},
    {"\tD:\\Out\r\n", "\tD:\\Out\r\n"},
    {" \t ", "\t"},
    {"\xB0\xA1\xA1\xA1", "\xB0\xA1"},
    {"\xA1\xA1\xB0\xA1", "\xB0\xA1"},
    {"\xB0\xA1\xA1", "\xB0\xA1\xA1"}, // a lone A1 after a character is no space
};
// clang-format on

TEST(TrimSpaces, RemovesBothKindsOfSpaceAtTheEndsOnly) {
    for (const Case &c : Cases)
        EXPECT_EQ(TrimSpaces(c.text), c.trimmed) << "text: \"" << c.text << "\"";
}

} // namespace
