#include "engine/page_file_name.h"

#include <glib.h>
#include <gtest/gtest.h>

namespace lumetta {
namespace {

struct NameCase {
  const char* name;
  std::string title;
  std::string expected;
};

class PageFileNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(PageFileNameTest, ProposesAValidName) {
  EXPECT_EQ(PageFileName(GetParam().title, ".mht"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, PageFileNameTest,
    testing::Values(NameCase{"Chinese", "新浪首页", "新浪首页.mht"},
                    NameCase{"Slash", "保存/测试", "保存_测试.mht"},
                    NameCase{"Nul", std::string("a\0b", 3), "a_b.mht"},
                    NameCase{"WindowsRefused", "a:b*c?d\"e<f>g|h\\i", "a_b_c_d_e_f_g_h_i.mht"},
                    NameCase{"LineBreak", "第一行\n第二行", "第一行_第二行.mht"},
                    NameCase{"OnlyDots", "...", "无标题.mht"},
                    NameCase{"DotDot", "..", "无标题.mht"}, NameCase{"Empty", "", "无标题.mht"},
                    NameCase{"BlanksAndDots", " \u3000.hidden. ", "hidden.mht"},
                    NameCase{"NotUtf8", "\xff abc", "\xEF\xBF\xBD abc.mht"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PageFileNameLengthTest, LongTitleIsCutToWholeCharactersWithin255Bytes) {
  std::string title;
  for (int i = 0; i < 300; ++i) title += "中";
  const std::string name = PageFileName(title, ".mht");
  EXPECT_LE(name.size(), 255u);
  EXPECT_GE(name.size(), 252u);
  EXPECT_TRUE(g_utf8_validate(name.data(), static_cast<gssize>(name.size()), nullptr));
  EXPECT_TRUE(g_str_has_suffix(name.c_str(), "中.mht"));
  // A cut that would leave a dot before the extension takes it off.
  EXPECT_EQ(PageFileName(std::string(250, 'a') + ". x", ".mht"), std::string(250, 'a') + ".mht");
}

}  // namespace
}  // namespace lumetta
