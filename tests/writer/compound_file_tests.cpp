// The container on its own: what the writer lays out must read back, through a strict reader, as the
// streams that went in.
#include "cfb/compound_file.h"
#include "cfb_reader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace pwt {
namespace {

std::string pattern(size_t size, unsigned salt) {
    std::string s(size, '\0');
    for (size_t i = 0; i < size; ++i)
        s[i] = char((i * 131 + salt * 7 + i / 511) & 0xFF);
    return s;
}

std::string write(const std::vector<cfb::Stream> &streams) {
    std::ostringstream out;
    cfb::writeCompoundFile(streams, out);
    return out.str();
}

struct Layout {
    const char *what;
    std::vector<size_t> sizes;
    unsigned difatSectors;
};

class CompoundFileLayout : public testing::TestWithParam<Layout> {};

TEST_P(CompoundFileLayout, ReadsBackEveryStream) {
    std::vector<cfb::Stream> streams;
    for (size_t i = 0; i < GetParam().sizes.size(); ++i)
        streams.push_back({"Stream" + std::to_string(i) + std::string(i % 3, 'x'), pattern(GetParam().sizes[i], i)});
    const std::string file = write(streams);
    const test::CompoundFileContents contents = test::readCompoundFile(file);
    ASSERT_EQ(contents.streams.size(), streams.size());
    for (const cfb::Stream &s : streams) {
        ASSERT_TRUE(contents.streams.count(s.name)) << s.name;
        EXPECT_TRUE(contents.streams.at(s.name) == s.data) << s.name;
    }
    EXPECT_EQ(contents.difatSectors, GetParam().difatSectors) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, CompoundFileLayout,
    testing::Values(Layout{"one small stream", {10}, 0},
                    Layout{"either side of the mini stream cutoff", {4095, 4096, 1, 64, 65}, 0},
                    Layout{"many streams, so the directory spans sectors", std::vector<size_t>(11, 700), 0},
                    Layout{"a FAT that needs no DIFAT sector", {(109 * 128 - 200) * 512}, 0},
                    Layout{"a FAT beyond the header's 109 slots", {8 * 1024 * 1024, 300}, 1},
                    Layout{"two DIFAT sectors", {(109 + 127 + 5) * 128 * 512}, 2}),
    [](const testing::TestParamInfo<Layout> &info) { return "case" + std::to_string(info.index); });

TEST(CompoundFile, SiblingTreeIsRedBlackForEverySize) {
    for (size_t count = 1; count <= 17; ++count) {
        std::vector<cfb::Stream> streams;
        for (size_t i = 0; i < count; ++i)
            streams.push_back({std::string(1 + i % 4, char('a' + i)), "data"});
        EXPECT_NO_THROW(test::readCompoundFile(write(streams))) << count << " streams";
    }
}

TEST(CompoundFile, RejectsNamesTheDirectoryCannotHold) {
    std::ostringstream out;
    EXPECT_THROW(cfb::writeCompoundFile({{std::string(32, 'n'), "x"}}, out), std::invalid_argument);
    EXPECT_THROW(cfb::writeCompoundFile({{"", "x"}}, out), std::invalid_argument);
}

} // namespace
} // namespace pwt
