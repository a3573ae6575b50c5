#include <gtest/gtest.h>

#include <ostream>

#include "favorites/mod_favorite.h"

namespace lumetta {
namespace {

struct CaptionCase {
  const char* name;
  std::string file_name;
  std::string caption;
};

// Rows show by their names in test listings.
void PrintTo(const CaptionCase& row, std::ostream* out) { *out << row.name; }

std::string Repeat(const std::string& text, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += text;
  return result;
}

class GetMenuCaptionTest : public testing::TestWithParam<CaptionCase> {};

TEST_P(GetMenuCaptionTest, CountsUtf16CodeUnits) {
  EXPECT_EQ(GetMenuCaption(GetParam().file_name), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(
    Names, GetMenuCaptionTest,
    testing::Values(CaptionCase{"Empty", "", ""}, CaptionCase{"Short", "News", "News"},
                    CaptionCase{"Units29", Repeat("a", 29), Repeat("a", 29)},
                    CaptionCase{"Units30", Repeat("a", 30), Repeat("a", 28) + "..."},
                    CaptionCase{"Units300", Repeat("a", 300), Repeat("a", 28) + "..."},
                    CaptionCase{"Chinese29", Repeat("中", 29), Repeat("中", 29)},
                    CaptionCase{"Chinese30", Repeat("中", 30), Repeat("中", 28) + "..."},
                    // An emoji is a surrogate pair: 14 of them are 28 units, 15 make 30.
                    CaptionCase{"Emoji14", Repeat("😀", 14), Repeat("😀", 14)},
                    CaptionCase{"Emoji15", Repeat("😀", 15), Repeat("😀", 14) + "..."},
                    CaptionCase{"EmojiAtUnit28", Repeat("a", 27) + "😀" + "b",
                                Repeat("a", 27) + "..."},
                    CaptionCase{"EmojiAtUnit29", Repeat("a", 28) + "😀", Repeat("a", 28) + "..."},
                    CaptionCase{"EmojiMakes29", Repeat("a", 27) + "😀", Repeat("a", 27) + "😀"},
                    CaptionCase{"NotText", "caf\xe9", ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumetta
