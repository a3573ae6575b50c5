#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/browsing_data.h"

namespace lumetta {
namespace {

struct KindsCase {
  const char* name;
  std::string text;
  std::optional<uint32_t> kinds;
};

class BrowsingDataKindsTest : public testing::TestWithParam<KindsCase> {};

TEST_P(BrowsingDataKindsTest, TakesPlainDecimalDigitsOnly) {
  EXPECT_EQ(ParseBrowsingDataKinds(GetParam().text), GetParam().kinds);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BrowsingDataKindsTest,
    testing::Values(
        KindsCase{"One", "1", 1}, KindsCase{"All", "7", 7}, KindsCase{"Zero", "0", 0},
        KindsCase{"LeadingZeros", "007", 7}, KindsCase{"Largest", "4294967295", 4294967295u},
        KindsCase{"TooLarge", "4294967296", std::nullopt}, KindsCase{"Empty", "", std::nullopt},
        KindsCase{"LeadingBlank", " 1", std::nullopt},
        KindsCase{"TrailingBlank", "1 ", std::nullopt}, KindsCase{"Plus", "+1", std::nullopt},
        KindsCase{"Minus", "-1", std::nullopt}, KindsCase{"Hexadecimal", "0x1", std::nullopt},
        KindsCase{"Exponent", "1e2", std::nullopt},
        KindsCase{"FullWidthDigit", "\xef\xbc\x91", std::nullopt}),
    [](const testing::TestParamInfo<KindsCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumetta
