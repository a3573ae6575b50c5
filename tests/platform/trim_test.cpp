#include "platform/trim.h"

#include <gtest/gtest.h>

#include "tests/search/case_name.h"

namespace lumetta {
namespace {

struct TrimCase {
  const char* text;
  const char* trimmed;
};

class TrimSpacesTest : public testing::TestWithParam<TrimCase> {};

TEST_P(TrimSpacesTest, RemovesOnlyBlanks) {
  EXPECT_EQ(TrimSpaces(GetParam().text), GetParam().trimmed);
}

INSTANTIATE_TEST_SUITE_P(Texts, TrimSpacesTest,
                         testing::Values(TrimCase{"  a.example  ", "a.example"}, TrimCase{"", ""},
                                         TrimCase{"     ", ""},
                                         TrimCase{"\ta.example\t", "\ta.example\t"},
                                         TrimCase{" \t a b \t ", "\t a b \t"},
                                         TrimCase{"\xe3\x80\x80x", "\xe3\x80\x80x"}));

struct TextCase {
  const char* name;
  const char* text;
  const char* expected;
  friend void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }
};

class TrimKeywordTest : public testing::TestWithParam<TextCase> {};

TEST_P(TrimKeywordTest, RemovesOrdinaryAndIdeographicBlanksAtTheEnds) {
  EXPECT_EQ(TrimKeyword(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TrimKeywordTest,
    testing::Values(TextCase{"Spaces", "  abc  ", "abc"}, TextCase{"Bare", "abc", "abc"},
                    TextCase{"Empty", "", ""}, TextCase{"OnlySpaces", "    ", ""},
                    TextCase{"OnlyIdeographic", "\u3000\u3000", ""},
                    TextCase{"Ideographic", "\u3000abc\u3000", "abc"},
                    TextCase{"MixedKeepsInner", " \u3000 a b\u3000c \u3000 ", "a b\u3000c"},
                    TextCase{"Tabs", "\tabc\t", "\tabc\t"},
                    TextCase{"NoBreakSpaces", "\u00a0abc\u00a0", "\u00a0abc\u00a0"},
                    TextCase{"OtherBlanks", "\u2002abc\n", "\u2002abc\n"}),
    test::CaseName<TextCase>);

}  // namespace
}  // namespace lumetta
