#include "app/auto_complete.h"

#include <gtest/gtest.h>

namespace lumetta {
namespace {

struct MatchCase {
  const char* address;
  const char* typed;
  bool matches;
};

class CompletionMatchesTest : public testing::TestWithParam<MatchCase> {};

TEST_P(CompletionMatchesTest, Matches) {
  EXPECT_EQ(CompletionMatches(GetParam().address, GetParam().typed), GetParam().matches)
      << GetParam().address << " / " << GetParam().typed;
}

INSTANTIATE_TEST_SUITE_P(Addresses, CompletionMatchesTest,
                         testing::Values(MatchCase{"http://www.example.com/", "http://www.ex",
                                                   true},
                                         MatchCase{"http://www.example.com/", "www.ex", true},
                                         MatchCase{"http://www.example.com/", "exa", true},
                                         MatchCase{"https://Example.com/a", "example.com/A", true},
                                         MatchCase{"http://www.example.com/", "ample", false},
                                         MatchCase{"http://www.example.com/", "", false},
                                         MatchCase{"http://百度.cn/", "百度", true},
                                         MatchCase{"file:///tmp/a.html", "/tmp", true}));

}  // namespace
}  // namespace lumetta
