#include "platform/reg_hive_writer.h"

#include <glib.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "tests/support/temp_dir.h"
#include "tests/support/utf16.h"

namespace lumetta {
namespace {

using test::Utf16Le;

constexpr char kMain[] = "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main";
constexpr char kValue[] = "http://例子.测试/首页?a=\"1\"&b=\\2";
// How the value is written in a file.
constexpr char kQuotedValue[] = R"("http://例子.测试/首页?a=\"1\"&b=\\2")";
constexpr char kLine[] = R"("Start Page"="http://例子.测试/首页?a=\"1\"&b=\\2")";

std::string Gb18030(const std::string& utf8) {
  gsize written = 0;
  gchar* converted = g_convert(utf8.data(), static_cast<gssize>(utf8.size()), "GB18030", "UTF-8",
                               nullptr, &written, nullptr);
  std::string out(converted, written);
  g_free(converted);
  return out;
}

struct WriteCase {
  const char* name;
  std::string before;
  std::optional<std::string> after;
};

class SetRegStringTest : public testing::TestWithParam<WriteCase> {};

TEST_P(SetRegStringTest, ChangesOnlyTheValue) {
  EXPECT_EQ(SetRegString(GetParam().before, kMain, "Start Page", kValue), GetParam().after);
}

const std::string kHeader = "Windows Registry Editor Version 5.00\r\n\r\n";
const std::string kSection = "[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main]";
const std::string kOthers =
    "[HKEY_CURRENT_USER\\Software\\Other]\r\n\"Start Page\"=\"keep\"\r\n\"数\"=dword:00000001\r\n";

INSTANTIATE_TEST_SUITE_P(
    Files, SetRegStringTest,
    testing::Values(
        WriteCase{"ReplacedAmongOthers",
                  kHeader + kOthers + "\r\n" + kSection +
                      "\r\n\"Search Page\"=\"s\"\r\n  \"START PAGE\" = \"old\"  \r\n@=\"d\"\r\n",
                  kHeader + kOthers + "\r\n" + kSection +
                      "\r\n\"Search Page\"=\"s\"\r\n  \"START PAGE\" = " + kQuotedValue +
                      "\r\n@=\"d\"\r\n"},
        WriteCase{"LineFeedsOnly",
                  "REGEDIT4\n\n[HKCU\\software\\microsoft\\internet explorer\\main]\n"
                  "\"Start Page\"=\"old\"\n; end\n",
                  "REGEDIT4\n\n[HKCU\\software\\microsoft\\internet explorer\\main]\n" +
                      std::string(kLine) + "\n; end\n"},
        // The assignment an import applies last is the one changed.
        WriteCase{"LaterAssignment",
                  kHeader + kSection + "\r\n\"Start Page\"=\"a\"\r\n" + kSection +
                      "\r\n\"Start Page\"=\"b\"\r\n",
                  kHeader + kSection + "\r\n\"Start Page\"=\"a\"\r\n" + kSection + "\r\n" + kLine +
                      "\r\n"},
        WriteCase{"HexValueOverLines",
                  kHeader + kSection +
                      "\r\n\"Start Page\"=hex(1):68,00,\\\r\n  69,00,00,00\r\n"
                      "\"x\"=\"y\"\r\n",
                  kHeader + kSection + "\r\n" + kLine + "\r\n\"x\"=\"y\"\r\n"},
        WriteCase{"AddedToTheLastSection", kHeader + kSection + "\r\n\"x\"=\"y\"",
                  kHeader + kSection + "\r\n\"x\"=\"y\"\r\n" + kLine + "\r\n"},
        WriteCase{"NewSection", kHeader + kOthers,
                  kHeader + kOthers + "\r\n" + kSection + "\r\n" + kLine + "\r\n"},
        // A removal of the key further down would undo a change in place.
        WriteCase{"KeyRemovedLater",
                  kHeader + kSection +
                      "\r\n\"Start Page\"=\"a\"\r\n\r\n[-HKEY_CURRENT_USER\\"
                      "Software\\Microsoft]\r\n",
                  kHeader + kSection +
                      "\r\n\"Start Page\"=\"a\"\r\n\r\n[-HKEY_CURRENT_USER\\"
                      "Software\\Microsoft]\r\n\r\n" +
                      kSection + "\r\n" + kLine + "\r\n"},
        WriteCase{
            "Utf16WithByteOrderMark",
            "\xFF\xFE" +
                Utf16Le(kHeader + kSection + "\r\n\"Start Page\"=\"旧\"\r\n\"名\"=\"值\"\r\n"),
            "\xFF\xFE" + Utf16Le(kHeader + kSection + "\r\n" + kLine + "\r\n\"名\"=\"值\"\r\n")},
        WriteCase{
            "AnsiExport",
            Gb18030("REGEDIT4\r\n\r\n" + kSection +
                    "\r\n\"Start Page\"=\"旧\"\r\n\"名\"=\"值\"\r\n"),
            Gb18030("REGEDIT4\r\n\r\n" + kSection + "\r\n" + kLine + "\r\n\"名\"=\"值\"\r\n")},
        WriteCase{"NoHeader", kSection + "\r\n\"Start Page\"=\"a\"\r\n", std::nullopt},
        WriteCase{"Binary", std::string("REGEDIT4\r\n\0\x01\x02\xFF\xFE", 15), std::nullopt}),
    [](const testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

TEST(SetRegStringValueTest, LineBreaksAreRefused) {
  EXPECT_EQ(SetRegString(kHeader, kMain, "Start Page", "http://a.test/\r\n[HKEY_LOCAL_MACHINE]"),
            std::nullopt);
}

class WriteRegStringTest : public testing::Test {
 protected:
  std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  test::TempDir temp_;
  std::string path_ = temp_.Path() + "/lumetta/user.reg";
};

TEST_F(WriteRegStringTest, MissingHiveIsCreated) {
  EXPECT_EQ(WriteRegString(path_, kMain, "Start Page", kValue), HiveWrite::kWritten);
  EXPECT_EQ(Read(path_), kHeader + "[" + kMain + "]\r\n" + kLine + "\r\n");
}

TEST_F(WriteRegStringTest, KeepsTheModeAndRefusesWhatItCannotParse) {
  temp_.Write("lumetta/user.reg", kHeader + kOthers);
  chmod(path_.c_str(), 0640);
  EXPECT_EQ(WriteRegString(path_, kMain, "Start Page", kValue), HiveWrite::kWritten);
  struct stat info;
  ASSERT_EQ(stat(path_.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);

  const std::string junk = "not a hive\r\n\"Start Page\"=\"a\"\r\n";
  temp_.Write("lumetta/user.reg", junk);
  EXPECT_EQ(WriteRegString(path_, kMain, "Start Page", kValue), HiveWrite::kUnparsable);
  EXPECT_EQ(Read(path_), junk);

  std::filesystem::remove(path_);
  std::filesystem::create_directory(path_);
  EXPECT_EQ(WriteRegString(path_, kMain, "Start Page", kValue), HiveWrite::kUnreadable);
  EXPECT_TRUE(std::filesystem::is_directory(path_));
}

}  // namespace
}  // namespace lumetta
