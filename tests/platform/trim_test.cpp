#include "platform/trim.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace lumetta
