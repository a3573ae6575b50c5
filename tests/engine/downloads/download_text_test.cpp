#include "engine/downloads/download_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "tests/search/case_name.h"

namespace lumetta {
namespace {

struct SizeCase {
  const char* name;
  uint64_t bytes;
  const char* text;
};

class ByteSizeTextTest : public testing::TestWithParam<SizeCase> {};

TEST_P(ByteSizeTextTest, ShowsTheSizeInItsUnit) {
  EXPECT_EQ(ByteSizeText(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ByteSizeTextTest,
    testing::Values(SizeCase{"Nothing", 0, "0 字节"}, SizeCase{"Bytes", 512, "512 字节"},
                    SizeCase{"MostBytes", 1023, "1023 字节"}, SizeCase{"Kilobyte", 1024, "1.0 KB"},
                    SizeCase{"KilobyteAndAHalf", 1536, "1.5 KB"},
                    SizeCase{"Attachment", 300 * 1024, "300.0 KB"},
                    SizeCase{"MostKilobytes", 1048524, "1023.9 KB"},
                    // One decimal would show 1024.0 KB.
                    SizeCase{"RoundedToAMegabyte", 1048575, "1.0 MB"},
                    SizeCase{"Megabytes", 3355443, "3.2 MB"},
                    SizeCase{"Gigabyte", 1073741824, "1.0 GB"},
                    SizeCase{"Terabytes", 5497558138880, "5.0 TB"},
                    SizeCase{"Largest", std::numeric_limits<uint64_t>::max(), "16777216.0 TB"}),
    test::CaseName<SizeCase>);

struct SecondsCase {
  const char* name;
  double seconds;
  const char* text;
};

class TimeLeftTextTest : public testing::TestWithParam<SecondsCase> {};

TEST_P(TimeLeftTextTest, CountsWholeSecondsUp) {
  EXPECT_EQ(TimeLeftText(GetParam().seconds), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Times, TimeLeftTextTest,
                         testing::Values(SecondsCase{"Done", 0, "0 秒"},
                                         SecondsCase{"Negative", -3, "0 秒"},
                                         SecondsCase{"Fraction", 4.2, "5 秒"},
                                         SecondsCase{"Seconds", 59, "59 秒"},
                                         SecondsCase{"Minute", 60, "1 分 0 秒"},
                                         SecondsCase{"Minutes", 125, "2 分 5 秒"},
                                         SecondsCase{"MostMinutes", 3599, "59 分 59 秒"},
                                         SecondsCase{"Hour", 3600, "1 小时 0 分"},
                                         SecondsCase{"HourAndMinutes", 3780, "1 小时 3 分"},
                                         SecondsCase{"MoreThanADay", 90000, "25 小时 0 分"}),
                         test::CaseName<SecondsCase>);

TEST(RateTextTest, IsASizePerSecond) {
  EXPECT_EQ(RateText(0), "0 字节/秒");
  EXPECT_EQ(RateText(-1), "0 字节/秒");
  EXPECT_EQ(RateText(1536.7), "1.5 KB/秒");
  EXPECT_EQ(RateText(3355443), "3.2 MB/秒");
}

}  // namespace
}  // namespace lumetta
