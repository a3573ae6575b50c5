#include "engine/downloads/download_file_name.h"

#include <gtest/gtest.h>

namespace lumetta {
namespace {

struct NameCase {
  const char* name;
  std::string suggested;
  std::string safe;
};

class SafeDownloadNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(SafeDownloadNameTest, ProposesASafeName) {
  EXPECT_EQ(SafeDownloadName(GetParam().suggested), GetParam().safe);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SafeDownloadNameTest,
    testing::Values(NameCase{"Chinese", "报告 2024.pdf", "报告 2024.pdf"},
                    NameCase{"ParentFolders", "../../etc/passwd", "_.._etc_passwd"},
                    NameCase{"BackslashPath", "..\\..\\boot.ini", "_.._boot.ini"},
                    NameCase{"Nuls", std::string("a\0b.txt", 7), "ab.txt"},
                    NameCase{"ControlCharacters", "报\x01告\x7f\xc2\x85.pdf", "报告.pdf"},
                    NameCase{"OnlyDots", "....", "下载"}, NameCase{"Empty", "", "下载"},
                    NameCase{"HiddenAndBlank", " . .bashrc ", "bashrc"},
                    NameCase{"InvalidUtf8", "\xff\xfe.txt", "\xef\xbf\xbd\xef\xbf\xbd.txt"},
                    NameCase{"ThousandCharacters", std::string(1000, 'a') + ".txt",
                             std::string(251, 'a') + ".txt"},
                    // 85 characters of three bytes each fit in 255; the extension is kept.
                    NameCase{"LongChineseCutAtACharacter",
                             [] {
                               std::string name;
                               for (int i = 0; i < 400; ++i) name += "文";
                               return name + ".txt";
                             }(),
                             [] {
                               std::string name;
                               for (int i = 0; i < 83; ++i) name += "文";
                               return name + ".txt";
                             }()}),
    [](const testing::TestParamInfo<NameCase>& info) { return info.param.name; });

struct LostNameCase {
  const char* name;
  const char* suggested;
  const char* address;
  const char* proposed;
};

class RecoveredDownloadNameTest : public testing::TestWithParam<LostNameCase> {};

TEST_P(RecoveredDownloadNameTest, NeverProposesLostCharacters) {
  EXPECT_EQ(RecoveredDownloadName(GetParam().suggested, GetParam().address), GetParam().proposed);
}

// "\xEF\xBF\xBD" is U+FFFD, which the network library puts for each byte of a raw GBK name.
INSTANTIATE_TEST_SUITE_P(
    Names, RecoveredDownloadNameTest,
    testing::Values(
        LostNameCase{"GbkAddress", "\xEF\xBF\xBD\xEF\xBF\xBD.txt",
                     "http://127.0.0.1/files/%D6%D0%CE%C4.txt?id=1", "中文.txt"},
        LostNameCase{"Utf8AddressOtherCase", "\xEF\xBF\xBD.txt",
                     "http://127.0.0.1/%E4%B8%AD%E6%96%87.TXT", "中文.TXT"},
        LostNameCase{"ScriptAddress", "\xEF\xBF\xBD\xEF\xBF\xBD.txt",
                     "http://127.0.0.1/download.php?id=3", "下载.txt"},
        LostNameCase{"LostExtension", "a.\xEF\xBF\xBD", "http://127.0.0.1/a.txt", "下载"},
        LostNameCase{"SoundNameKept", "报告.pdf", "http://127.0.0.1/x.php", "报告.pdf"}),
    [](const testing::TestParamInfo<LostNameCase>& info) { return info.param.name; });

TEST(DownloadFileNameTest, WorkingAndNumberedNamesFit) {
  const std::string longest = std::string(251, 'a') + ".txt";
  const std::string part = PartFileName(longest);
  EXPECT_EQ(part.size() + std::string(".wkdownload").size(), kMaxFileNameBytes);
  EXPECT_TRUE(part.ends_with(".txt.part"));
  EXPECT_EQ(PartFileName("报告.pdf"), "报告.pdf.part");
  EXPECT_EQ(NumberedName("报告.pdf", 2), "报告 (2).pdf");
  EXPECT_EQ(NumberedName(longest, 12).size(), kMaxFileNameBytes);
  EXPECT_TRUE(NumberedName(longest, 12).ends_with(" (12).txt"));
}

}  // namespace
}  // namespace lumetta
