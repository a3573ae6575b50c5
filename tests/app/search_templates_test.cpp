#include "app/search_templates.h"

#include <gtest/gtest.h>

#include "app/settings.h"
#include "tests/search/case_name.h"

namespace lumetta {
namespace {

using test::CaseName;

struct EngineCase {
  const char* name;
  int slot;
  const char* url;  // for the keyword "abc"
  friend void PrintTo(const EngineCase& c, std::ostream* os) { *os << c.name; }
};

class SearchTemplateTest : public testing::TestWithParam<EngineCase> {};

TEST_P(SearchTemplateTest, BuildsTheEnginesResultAddress) {
  std::array<std::string, kSearchEngineCount> slots;
  FillSearchTemplates(slots);
  EXPECT_EQ(BuildSearchUrl(slots[GetParam().slot], "abc"), GetParam().url);
}

TEST_P(SearchTemplateTest, InitSettingsWritesTheTemplateAgainAtEveryLoad) {
  InitSettings();
  const std::string written = gstrSearchURL[GetParam().slot];
  gstrSearchURL[GetParam().slot] = "changed";
  InitSettings();
  EXPECT_EQ(gstrSearchURL[GetParam().slot], written);
  EXPECT_EQ(BuildSearchUrl(written, "abc"), GetParam().url);
}

INSTANTIATE_TEST_SUITE_P(
    Engines, SearchTemplateTest,
    testing::Values(EngineCase{"Baidu", 0, "https://www.baidu.com/baidu?wd=abc&tn=brintal_dg"},
                    EngineCase{"Yahoo", 1, "https://search.yahoo.com/search?p=abc"},
                    EngineCase{"Google", 2, "https://www.google.com/search?q=abc"}),
    CaseName<EngineCase>);

struct TextCase {
  const char* name;
  const char* text;
  const char* expected;
  friend void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }
};

class PercentEncodeTest : public testing::TestWithParam<TextCase> {};

TEST_P(PercentEncodeTest, KeepsOnlyUnreservedCharacters) {
  EXPECT_EQ(PercentEncode(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PercentEncodeTest,
    testing::Values(TextCase{"Plain", "abc", "abc"},
                    TextCase{"QueryAndFragment", "a&b c#1", "a%26b%20c%231"},
                    TextCase{"Unreserved", "AZaz09-._~", "AZaz09-._~"},
                    TextCase{"Reserved", "!*'();:@&=+$,/?#[]%",
                             "%21%2A%27%28%29%3B%3A%40%26%3D%2B%24%2C%2F%3F%23%5B%5D%25"},
                    TextCase{"Unsafe", "\"<>\\^`{|}", "%22%3C%3E%5C%5E%60%7B%7C%7D"},
                    TextCase{"Chinese", "百度搜索", "%E7%99%BE%E5%BA%A6%E6%90%9C%E7%B4%A2"},
                    TextCase{"ChineseAndSpace", "琉梅塔 1.9", "%E7%90%89%E6%A2%85%E5%A1%94%201.9"},
                    TextCase{"Ideographic", "\u3000", "%E3%80%80"},
                    TextCase{"FourBytes", "😀", "%F0%9F%98%80"},
                    TextCase{"Controls", "\t\n\x7f", "%09%0A%7F"}, TextCase{"Empty", "", ""}),
    CaseName<TextCase>);

TEST(BuildSearchUrlTest, ReplacesEveryPlaceholderExactly) {
  EXPECT_EQ(BuildSearchUrl("http://a.example/?q=<searchstring>&again=<searchstring>", "x y"),
            "http://a.example/?q=x%20y&again=x%20y");
  EXPECT_EQ(BuildSearchUrl("<searchstring>", "k"), "k");
  EXPECT_EQ(BuildSearchUrl("http://a.example/?q=<SearchString>&p=<searchstring", "k"),
            "http://a.example/?q=<SearchString>&p=<searchstring");
  EXPECT_EQ(BuildSearchUrl("", "k"), "");
}

TEST(BuildSearchUrlTest, KeywordThatLooksLikeThePlaceholderGoesInOnce) {
  EXPECT_EQ(BuildSearchUrl("http://a.example/?q=<searchstring>", "<searchstring>"),
            "http://a.example/?q=%3Csearchstring%3E");
}

TEST(BuildSearchUrlTest, KeywordCannotAddQueryFieldsOrAFragment) {
  const std::string url = BuildSearchUrl("http://a.example/?q=<searchstring>&tn=x", "a&tn=y#f?");
  EXPECT_EQ(url, "http://a.example/?q=a%26tn%3Dy%23f%3F&tn=x");
}

struct SlotCase {
  const char* name;
  const char* type;
  std::optional<int> slot;
  friend void PrintTo(const SlotCase& c, std::ostream* os) { *os << c.name; }
};

class SearchSlotTest : public testing::TestWithParam<SlotCase> {};

TEST_P(SearchSlotTest, NamesATemplateSlotOrNone) {
  EXPECT_EQ(SearchSlot(GetParam().type), GetParam().slot);
}

INSTANTIATE_TEST_SUITE_P(Types, SearchSlotTest,
                         testing::Values(SlotCase{"Baidu", "0", 0}, SlotCase{"Yahoo", "1", 1},
                                         SlotCase{"Google", "2", 2},
                                         SlotCase{"PastTheLast", "3", {}},
                                         SlotCase{"Negative", "-1", {}}, SlotCase{"Empty", "", {}},
                                         SlotCase{"TrailingText", "1x", {}},
                                         SlotCase{"NotANumber", "x", {}},
                                         SlotCase{"Overflow", "99999999999", {}}),
                         CaseName<SlotCase>);

}  // namespace
}  // namespace lumetta
