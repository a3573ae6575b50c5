#include <gtest/gtest.h>

#include "ui/controls/control.h"
#include "ui/controls/menu_item.h"

namespace lumetta {
namespace {

struct LabelCase {
  const char* caption;
  const char* label;
};

class MnemonicLabelTest : public testing::TestWithParam<LabelCase> {};

TEST_P(MnemonicLabelTest, ShowsTheCaptionWithItsAccessKey) {
  EXPECT_EQ(MnemonicLabel(GetParam().caption), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(Captions, MnemonicLabelTest,
                         testing::Values(LabelCase{"文件(&F)", "文件(_F)"},
                                         LabelCase{"查找...(&F)", "查找...(_F)"},
                                         LabelCase{"放大20% (&I)", "放大20% (_I)"},
                                         LabelCase{"a_b", "a__b"}, LabelCase{"R&&D", "R&D"},
                                         LabelCase{"end&", "end"},
                                         LabelCase{"谷歌首页", "谷歌首页"}));

TEST(ControlGeometryTest, NegativeSizesAreRefused) {
  Control control("c", "PictureBox");
  control.Move(10, 20, 300, 400);
  EXPECT_FALSE(control.SetWidth(-1));
  EXPECT_FALSE(control.SetHeight(-0.5));
  EXPECT_EQ(control.Width(), 300);
  EXPECT_EQ(control.Height(), 400);
  EXPECT_TRUE(control.SetWidth(0));
  EXPECT_EQ(control.Width(), 0);
  control.SetLeft(-50);
  EXPECT_EQ(control.Left(), -50);
}

TEST(ControlGeometryTest, TwipsToPixels) {
  EXPECT_EQ(TwipsToPixels(15360), 1024);
  EXPECT_EQ(TwipsToPixels(240), 16);
  EXPECT_EQ(TwipsToPixels(195), 13);
  EXPECT_EQ(TwipsToPixels(-30), -2);
  // Truncated: the page frame (W - 15) and the page (W - 20) differ by a pixel.
  EXPECT_EQ(TwipsToPixels(15345), 1023);
  EXPECT_EQ(TwipsToPixels(15340), 1022);
  EXPECT_EQ(PixelsToTwips(1024), 15360);
}

}  // namespace
}  // namespace lumetta
