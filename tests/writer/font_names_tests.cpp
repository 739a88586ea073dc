// PDF font names to the faces Word users have, with the character set the font table records.
#include "doc/font_names.h"

#include <gtest/gtest.h>

namespace pwt::doc {
namespace {

struct Case {
    const char *pdfName;
    const char *face;
    int charset;
    FontFamily family;
};

class FaceForPdfFont : public testing::TestWithParam<Case> {};

TEST_P(FaceForPdfFont, MapsToTheInstalledFace) {
    const FontFace face = faceForPdfFont(GetParam().pdfName);
    EXPECT_EQ(face.name, GetParam().face);
    EXPECT_EQ(face.charset, GetParam().charset);
    EXPECT_EQ(face.family, GetParam().family);
}

INSTANTIATE_TEST_SUITE_P(
    Names, FaceForPdfFont,
    testing::Values(Case{"MicrosoftYaHei", "微软雅黑", 134, FontFamily::Swiss},
                    Case{"ABCDEF+MicrosoftYaHei-Bold", "微软雅黑", 134, FontFamily::Swiss},
                    Case{"SimSun,Bold", "宋体", 134, FontFamily::Roman},
                    Case{"SimHei", "黑体", 134, FontFamily::Swiss},
                    Case{"KaiTi_GB2312", "楷体_GB2312", 134, FontFamily::Roman},
                    Case{"STSong-Light", "华文宋体", 134, FontFamily::Roman},
                    Case{"\xCB\xCE\xCC\xE5", "宋体", 134, FontFamily::Roman},  // 宋体 stored in GBK
                    Case{"PMingLiU", "新細明體", 136, FontFamily::Roman},
                    Case{"TimesNewRomanPS-BoldItalicMT", "Times New Roman", 0, FontFamily::Roman},
                    Case{"Times-Roman", "Times New Roman", 0, FontFamily::Roman},
                    Case{"ArialMT", "Arial", 0, FontFamily::Swiss},
                    Case{"Helvetica-Oblique", "Arial", 0, FontFamily::Swiss},
                    Case{"CourierNewPSMT", "Courier New", 0, FontFamily::Modern},
                    Case{"QWERTY+LMRoman10-Regular", "LMRoman10", 0, FontFamily::Roman},
                    Case{"DejaVuSansMono-Bold", "DejaVuSansMono", 0, FontFamily::Modern},
                    Case{"方正书宋_GBK", "方正书宋_GBK", 134, FontFamily::Roman},
                    Case{"", "Times New Roman", 0, FontFamily::Roman}),
    [](const testing::TestParamInfo<Case> &info) { return "case" + std::to_string(info.index); });

} // namespace
} // namespace pwt::doc
