#include "platform/profile_strings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "tests/support/temp_dir.h"

namespace lumetta {
namespace {

using namespace std::string_literals;

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::string Read(const std::string& path, const std::string& section = "InternetShortcut",
                 const std::string& key = "URL", size_t size = 2048) {
  return ReadProfileString(section, key, "", path, size);
}

struct ReadCase {
  const char* name;
  std::string file;
  std::string expected;
};

// Rows show by their names in test listings.
void PrintTo(const ReadCase& row, std::ostream* out) { *out << row.name; }

class ReadProfileStringTest : public testing::TestWithParam<ReadCase> {
 protected:
  test::TempDir dir_;
};

TEST_P(ReadProfileStringTest, FindsTheValueByWindowsRules) {
  EXPECT_EQ(Read(dir_.Write("a.url", GetParam().file)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ReadProfileStringTest,
    testing::Values(
        ReadCase{"Crlf", "[InternetShortcut]\r\nURL=http://a.example/\r\n", "http://a.example/"},
        ReadCase{"Lf", "[InternetShortcut]\nURL=http://a.example/\n", "http://a.example/"},
        ReadCase{"NoLastLineEnd", "[InternetShortcut]\nURL=http://a.example/", "http://a.example/"},
        ReadCase{"Bom", "\xEF\xBB\xBF[InternetShortcut]\r\nURL=http://a.example/\r\n",
                 "http://a.example/"},
        ReadCase{"Utf16LeBom",
                 "\xFF\xFE[\0I\0n\0t\0e\0r\0n\0e\0t\0S\0h\0o\0r\0t\0c\0u\0t\0]\0\r\0\n\0"
                 "U\0R\0L\0=\0h\0t\0t\0p\0:\0/\0/\0\x7e\x76\xa6\x5e/\0\r\0\n\0"s,
                 "http://百度/"},
        ReadCase{"AnyCase", "[internetshortcut]\nurl=http://a.example/\n", "http://a.example/"},
        ReadCase{"BlanksAround", "  [ InternetShortcut ]  \n\t URL \t=  http://a.example/ \t\n",
                 "http://a.example/"},
        ReadCase{"DoubleQuotes", "[InternetShortcut]\nURL=\"http://a.example/\"\n",
                 "http://a.example/"},
        ReadCase{"SingleQuotes", "[InternetShortcut]\nURL= 'http://a.example/' \n",
                 "http://a.example/"},
        ReadCase{"UnmatchedQuote", "[InternetShortcut]\nURL=\"http://a.example/\n",
                 "\"http://a.example/"},
        ReadCase{"LoneQuote", "[InternetShortcut]\nURL=\"\n", "\""},
        ReadCase{"FirstKeyWins", "[InternetShortcut]\nURL=http://1.example/\nURL=http://2/\n",
                 "http://1.example/"},
        ReadCase{"KeyWithoutEqualsWins", "[InternetShortcut]\nURL\nURL=http://2.example/\n", ""},
        ReadCase{"FirstSectionOnly",
                 "[InternetShortcut]\nIDList=\n[Other]\nURL=x\n[InternetShortcut]\nURL=y\n", ""},
        ReadCase{"OtherSectionsAround",
                 "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,11\r\n[InternetShortcut]"
                 "\r\nIDList=\r\nURL=http://a.example/\r\nIconIndex=1\r\n",
                 "http://a.example/"},
        ReadCase{"KeyInAnotherSection", "[Other]\nURL=http://a.example/\n", ""},
        ReadCase{"KeyBeforeAnySection", "URL=http://a.example/\n[InternetShortcut]\n", ""},
        ReadCase{"NoSection", "URL=http://a.example/\n", ""},
        ReadCase{"EmptyValue", "[InternetShortcut]\nURL=\n", ""},
        ReadCase{"ValueWithEquals", "[InternetShortcut]\nURL=http://a.example/?a=b\n",
                 "http://a.example/?a=b"},
        ReadCase{"UnclosedBracketIsAKey", "[InternetShortcut\nURL=x\n", ""},
        ReadCase{"CutAtNul", "[InternetShortcut]\nURL=http://a\0b/\n"s, "http://a"},
        ReadCase{"NonAsciiValue", "[InternetShortcut]\nURL=http://例子.example/\n",
                 "http://例子.example/"},
        ReadCase{"Empty", "", ""},
        ReadCase{"Binary",
                 "\x7f"
                 "ELF\x02\x01\x01\0\0\xff\xfe\n"s,
                 ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadProfileString, MissingFileGivesTheDefaultWithoutTrailingBlanks) {
  const test::TempDir dir;
  EXPECT_EQ(ReadProfileString("S", "K", "fallback  ", dir.Path() + "/none.url", 2048), "fallback");
  EXPECT_EQ(ReadProfileString("S", "K", "", dir.Path() + "/none.url", 2048), "");
  EXPECT_EQ(ReadProfileString("S", "K", "default", dir.Path(), 2048), "default");
}

TEST(ReadProfileString, NonAsciiNamesMatchWithoutRegardToCase) {
  const test::TempDir dir;
  const std::string path = dir.Write("a.ini", "[ÄBC]\nSCHLÜSSEL=1\n");
  EXPECT_EQ(ReadProfileString("äbc", "schlüssel", "", path, 2048), "1");
}

TEST(ReadProfileString, ValuesAreCutTo2047BytesNeverInsideACharacter) {
  const test::TempDir dir;
  const std::string ascii(3000, 'a');
  EXPECT_EQ(Read(dir.Write("a.url", "[InternetShortcut]\nURL=" + ascii + "\n")),
            ascii.substr(0, 2047));
  // 2047 is not a multiple of 3: the character that would be cut goes whole.
  std::string chinese;
  for (int i = 0; i < 1000; ++i) chinese += "中";
  EXPECT_EQ(Read(dir.Write("b.url", "[InternetShortcut]\nURL=" + chinese + "\n")),
            chinese.substr(0, 2046));
  EXPECT_EQ(
      Read(dir.Write("c.url", "[InternetShortcut]\nURL=abcdef\n"), "InternetShortcut", "URL", 4),
      "abc");
}

TEST(ReadProfileString, BigFileIsReadToTheEnd) {
  const test::TempDir dir;
  const std::string path =
      dir.Write("big.url", "[InternetShortcut]\n" + std::string(50u << 20, 'x') +
                               "\nURL=http://big.example/\n");
  EXPECT_EQ(Read(path), "http://big.example/");
}

struct WriteCase {
  const char* name;
  std::string before;
  std::string after;
};

// Rows show by their names in test listings.
void PrintTo(const WriteCase& row, std::ostream* out) { *out << row.name; }

class WriteProfileStringTest : public testing::TestWithParam<WriteCase> {
 protected:
  test::TempDir dir_;
};

TEST_P(WriteProfileStringTest, ChangesOnlyThatKey) {
  const std::string path = dir_.Write("a.url", GetParam().before);
  ASSERT_TRUE(WriteProfileString("InternetShortcut", "URL", "http://new.example/", path));
  EXPECT_EQ(Contents(path), GetParam().after);
  EXPECT_EQ(Read(path), "http://new.example/");
}

INSTANTIATE_TEST_SUITE_P(
    Files, WriteProfileStringTest,
    testing::Values(
        WriteCase{"Empty", "", "[InternetShortcut]\r\nURL=http://new.example/\r\n"},
        WriteCase{"ReplacesTheValue",
                  "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,11\r\n[InternetShortcut]"
                  "\r\nIDList=\r\nURL=http://old.example/\r\nIconIndex=1\r\n",
                  "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,11\r\n[InternetShortcut]"
                  "\r\nIDList=\r\nURL=http://new.example/\r\nIconIndex=1\r\n"},
        WriteCase{"KeepsTheKeysSpelling", "[internetshortcut]\n  url = old ; note\n",
                  "[internetshortcut]\n  url =http://new.example/\n"},
        WriteCase{"KeyWithoutEquals", "[InternetShortcut]\nURL  \n",
                  "[InternetShortcut]\nURL=http://new.example/\n"},
        WriteCase{"AddsToTheSection", "[InternetShortcut]\nIDList=\n\n[Other]\nA=1\n",
                  "[InternetShortcut]\nIDList=\nURL=http://new.example/\n\n[Other]\nA=1\n"},
        WriteCase{"AddsToTheFirstSectionOfThatName",
                  "[InternetShortcut]\nA=1\n[InternetShortcut]\nURL=x\n",
                  "[InternetShortcut]\nA=1\nURL=http://new.example/\n[InternetShortcut]\nURL=x\n"},
        WriteCase{"AddsTheSectionInTheFilesLineEnds", "[Other]\nA=1\n",
                  "[Other]\nA=1\n[InternetShortcut]\nURL=http://new.example/\n"},
        WriteCase{"EndsTheLastLineFirst", "[Other]\r\nA=1",
                  "[Other]\r\nA=1\r\n[InternetShortcut]\r\nURL=http://new.example/\r\n"},
        WriteCase{"KeepsTheBom", "\xEF\xBB\xBF[InternetShortcut]\r\nURL=old\r\n",
                  "\xEF\xBB\xBF[InternetShortcut]\r\nURL=http://new.example/\r\n"},
        WriteCase{"KeepsUtf16Le", "\xFF\xFE[\0A\0]\0\r\0\n\0"s,
                  "\xFF\xFE[\0A\0]\0\r\0\n\0[\0I\0n\0t\0e\0r\0n\0e\0t\0S\0h\0o\0r\0t\0c\0u\0t"
                  "\0]\0\r\0\n\0U\0R\0L\0=\0h\0t\0t\0p\0:\0/\0/\0n\0e\0w\0.\0e\0x\0a\0m\0p\0l"
                  "\0e\0/\0\r\0\n\0"s},
        WriteCase{"KeepsBinaryJunk", "\x01\x02\xff\n[InternetShortcut]\nURL=\0\n"s,
                  "\x01\x02\xff\n[InternetShortcut]\nURL=http://new.example/\n"s}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WriteProfileString, ValueIsOneLine) {
  const test::TempDir dir;
  const std::string path = dir.Path() + "/a.url";
  ASSERT_TRUE(WriteProfileString("S", "K", "a\r\nb\0c"s, path));
  EXPECT_EQ(Contents(path), "[S]\r\nK=ab\r\n");
}

TEST(WriteProfileString, ReplacesTheFileAtOnceAndKeepsItsMode) {
  const test::TempDir dir;
  const std::string path = dir.Write("a.url", "[InternetShortcut]\nURL=old\n");
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  struct stat before;
  ASSERT_EQ(stat(path.c_str(), &before), 0);
  ASSERT_TRUE(WriteProfileString("InternetShortcut", "URL", "new", path));
  struct stat after;
  ASSERT_EQ(stat(path.c_str(), &after), 0);
  EXPECT_NE(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_mode & 07777, 0640u);
  // Nothing else is left in the folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(WriteProfileString, WritesThroughASymbolicLink) {
  const test::TempDir dir;
  const std::string target = dir.Write("target.url", "[InternetShortcut]\nURL=old\n");
  const std::string link = dir.Path() + "/link.url";
  std::filesystem::create_symlink(target, link);
  ASSERT_TRUE(WriteProfileString("InternetShortcut", "URL", "new", link));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(Read(target), "new");
}

TEST(WriteProfileString, RefusesWhatItCannotKeep) {
  const test::TempDir dir;
  std::filesystem::create_directory(dir.Path() + "/folder.url");
  EXPECT_FALSE(WriteProfileString("S", "K", "v", dir.Path() + "/folder.url"));
  EXPECT_FALSE(WriteProfileString("S", "K", "v", dir.Path() + "/missing/a.url"));
  if (geteuid() != 0) {
    const std::string locked = dir.Write("locked.url", "[S]\nOther=1\n");
    ASSERT_EQ(chmod(locked.c_str(), 0200), 0);
    EXPECT_FALSE(WriteProfileString("S", "K", "v", locked));
    ASSERT_EQ(chmod(locked.c_str(), 0600), 0);
    EXPECT_EQ(Contents(locked), "[S]\nOther=1\n");
  }
}

}  // namespace
}  // namespace lumetta
