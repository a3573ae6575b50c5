#include "app/number_text.h"

#include <gtest/gtest.h>

#include "app/resume_next.h"
#include "tests/search/case_name.h"
#include "tests/support/decimal_comma_locale.h"

namespace lumetta {
namespace {

struct TextCase {
  const char* name;
  double value;
  const char* text;
  friend void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }
};

class NumberToTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(NumberToTextTest, FifteenSignificantDigitsInPlainDecimals) {
  EXPECT_EQ(NumberToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberToTextTest,
    testing::Values(TextCase{"WholeWithoutSeparator", (1.0 + 0.2) * 100, "120"},
                    TextCase{"Fraction", (1.0 + 0.2) * 144, "172.8"},
                    TextCase{"BinaryNoiseRoundedAway", 0.1 + 0.2, "0.3"},
                    TextCase{"Negative", -2.5, "-2.5"}, TextCase{"NegativeZero", -0.0, "0"},
                    TextCase{"LargeStaysPlain", 1234567890123456789.0, "1234567890123460000"},
                    TextCase{"TinyStaysPlain", 1.5e-7, "0.00000015"}),
    test::CaseName<TextCase>);

struct IntegerCase {
  const char* name;
  const char* text;
  int error;
  int32_t value;  // what the result holds afterwards; it starts at 7
  friend void PrintTo(const IntegerCase& c, std::ostream* os) { *os << c.name; }
};

class TextToInt32Test : public testing::TestWithParam<IntegerCase> {};

TEST_P(TextToInt32Test, RoundsHalfToEvenAndFailsOnOverflow) {
  int32_t value = 7;
  EXPECT_EQ(TextToInt32(GetParam().text, value).number, GetParam().error);
  EXPECT_EQ(value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToInt32Test,
    testing::Values(IntegerCase{"Whole", "120", 0, 120}, IntegerCase{"RoundsUp", "172.8", 0, 173},
                    IntegerCase{"SmallRoundsUp", "1.6", 0, 2},
                    IntegerCase{"HalfToEvenDown", "172.5", 0, 172},
                    IntegerCase{"HalfToEvenUp", "173.5", 0, 174},
                    IntegerCase{"AboveHalf", "172.5000001", 0, 173},
                    IntegerCase{"NegativeHalf", "-2.5", 0, -2},
                    IntegerCase{"Blanks", " 42 ", 0, 42}, IntegerCase{"BareFraction", ".5", 0, 0},
                    IntegerCase{"Largest", "2147483647.4", 0, 2147483647},
                    IntegerCase{"Smallest", "-2147483648.5", 0, -2147483647 - 1},
                    IntegerCase{"RoundsOutOfRange", "2147483647.5", kErrOverflow, 7},
                    IntegerCase{"OutOfRange", "2400000000", kErrOverflow, 7},
                    IntegerCase{"ManyDigits", "99999999999999999999999", kErrOverflow, 7},
                    IntegerCase{"Empty", "", kErrTypeMismatch, 7},
                    IntegerCase{"SeparatorOnly", ".", kErrTypeMismatch, 7},
                    IntegerCase{"TrailingText", "12px", kErrTypeMismatch, 7},
                    IntegerCase{"Exponent", "1e3", kErrTypeMismatch, 7},
                    IntegerCase{"FullWidthDigits", "１２０", kErrTypeMismatch, 7}),
    test::CaseName<IntegerCase>);

TEST(DecimalCommaTest, BothRulesFollowTheUsersSeparator) {
  const test::DecimalCommaLocale comma;
  if (!comma.Active()) GTEST_SKIP() << "localedef cannot make a locale here";
  EXPECT_EQ(DecimalSeparator(), ",");
  EXPECT_EQ(NumberToText((1.0 + 0.2) * 144), "172,8");
  EXPECT_EQ(NumberToText(1.5e-7), "0,00000015");
  int32_t value = 0;
  EXPECT_FALSE(TextToInt32("172,8", value).Failed());
  EXPECT_EQ(value, 173);
  EXPECT_EQ(TextToInt32("172.8", value).number, kErrTypeMismatch);
  EXPECT_EQ(value, 173);
}

}  // namespace
}  // namespace lumetta
