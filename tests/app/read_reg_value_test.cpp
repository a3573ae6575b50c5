#include "app/read_reg_value.h"

#include <glib.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "platform/hive_registry.h"
#include "platform/platform.h"
#include "platform/registry.h"
#include "tests/support/temp_dir.h"
#include "tests/support/utf16.h"

namespace lumetta {
namespace {

using namespace std::string_literals;

constexpr char kMainKey[] = "SOFTWARE\\Microsoft\\Internet Explorer\\Main";
constexpr char kStartPage[] = "Start Page";

std::string Repeat(const std::string& piece, size_t times) {
  std::string out;
  for (size_t i = 0; i < times; ++i) out += piece;
  return out;
}

using test::Utf16Le;

std::string CutBefore(const std::string& text, const std::string& marker) {
  return text.substr(0, text.find(marker));
}

class FixedRegistry : public Registry {
 public:
  explicit FixedRegistry(std::optional<RegData> value) : value_(std::move(value)) {}
  std::optional<RegData> QueryValue(uint32_t, std::string_view, std::string_view) override {
    return value_;
  }

 private:
  std::optional<RegData> value_;
};

class PlatformRegistryTest {
 protected:
  PlatformRegistryTest() : saved_(ThePlatform().registry) {}
  ~PlatformRegistryTest() { ThePlatform().registry = saved_; }

 private:
  Registry* saved_;
};

// How the data the registry hands out becomes text.
struct DataCase {
  std::string test_name;
  std::optional<RegData> stored;
  std::string expected;
};

std::ostream& operator<<(std::ostream& os, const DataCase& c) { return os << c.test_name; }

class ReadRegValueDataTest : public PlatformRegistryTest,
                             public testing::TestWithParam<DataCase> {};

TEST_P(ReadRegValueDataTest, GivesTheBufferText) {
  FixedRegistry registry(GetParam().stored);
  ThePlatform().registry = &registry;
  EXPECT_EQ(ReadRegValue(kHKeyCurrentUser, kMainKey, kStartPage), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    BufferRules, ReadRegValueDataTest,
    testing::Values(
        DataCase{"Missing", std::nullopt, ""},
        DataCase{"Ascii1023Fits", RegData{kRegSz, Repeat("a", 1023) + '\0'}, Repeat("a", 1023)},
        DataCase{"Ascii1024TooLong", RegData{kRegSz, Repeat("a", 1024) + '\0'}, ""},
        DataCase{"Exactly1024WithoutNulTakenWhole", RegData{kRegSz, Repeat("a", 1024)},
                 Repeat("a", 1024)},
        DataCase{"ChineseCountedInUtf8Bytes", RegData{kRegSz, Repeat("中", 341) + '\0'},
                 Repeat("中", 341)},
        DataCase{"ChineseOneByteTooLong", RegData{kRegSz, Repeat("中", 341) + "a" + '\0'}, ""},
        DataCase{"CutAtFirstNul", RegData{kRegSz, "http://a.test/\0junk\0"s}, "http://a.test/"},
        DataCase{"LeadingNul", RegData{kRegSz, "\0junk\0"s}, ""},
        DataCase{"ExpandNotExpanded", RegData{kRegExpandSz, "%USERPROFILE%\\x\0"s},
                 "%USERPROFILE%\\x"},
        DataCase{"InvalidUtf8Repaired", RegData{kRegSz, "a\377b\0"s}, "a\uFFFDb"},
        DataCase{"DwordAllBits", RegData{kRegDword, "\xff\xff\xff\xff"}, "4294967295"},
        DataCase{"DwordLittleEndian", RegData{kRegDword, "\x2a\x01\0\0"s}, "298"},
        DataCase{"DwordZero", RegData{kRegDword, "\0\0\0\0"s}, "0"},
        DataCase{"DwordShortDataZeroPadded", RegData{kRegDword, "\0\x01"s}, "256"},
        DataCase{"DwordNoData", RegData{kRegDword, ""}, "0"},
        DataCase{"DwordExtraBytesIgnored", RegData{kRegDword, "\x01\0\0\0\xff\xff"s}, "1"},
        DataCase{"DwordOver1024Bytes", RegData{kRegDword, Repeat("\x01", 1025)}, ""},
        DataCase{"Binary", RegData{kRegBinary, "http\0"s}, ""},
        DataCase{"MultiString", RegData{kRegMultiSz, "a\0b\0\0"s}, ""},
        DataCase{"None", RegData{kRegNone, "a\0"s}, ""},
        DataCase{"Qword", RegData{11, "\x01\0\0\0\0\0\0\0"s}, ""}),
    [](const auto& info) { return info.param.test_name; });

TEST(ReadRegValueTest, NoRegistryGivesEmpty) {
  Registry* saved = ThePlatform().registry;
  ThePlatform().registry = nullptr;
  EXPECT_EQ(ReadRegValue(kHKeyCurrentUser, kMainKey, kStartPage), "");
  ThePlatform().registry = saved;
}

// The start page as read through the hive files.
struct HiveCase {
  std::string test_name;
  std::string user_hive;  // empty: no file
  uint32_t root;
  std::string expected;
};

std::ostream& operator<<(std::ostream& os, const HiveCase& c) { return os << c.test_name; }

const char kMachineHive[] =
    "Windows Registry Editor Version 5.00\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Internet Explorer\\Main]\r\n"
    "\"Start Page\"=\"http://machine.test/\"\r\n";

std::string Version5(const std::string& value_line) {
  return "Windows Registry Editor Version 5.00\r\n\r\n"
         "[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main]\r\n"s +
         value_line + "\r\n";
}

std::string Regedit4(const std::string& value_line) {
  return "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main]\r\n"s +
         value_line + "\r\n";
}

class ReadRegValueHiveTest : public PlatformRegistryTest, public testing::TestWithParam<HiveCase> {
 protected:
  std::string Write(const std::string& name, const std::string& contents) {
    return temp_.Write(name, contents);
  }

  test::TempDir temp_;
  std::filesystem::path dir_ = temp_.Path();
};

TEST_P(ReadRegValueHiveTest, ReadsTheStartPage) {
  const HiveCase& c = GetParam();
  const std::string user =
      c.user_hive.empty() ? (dir_ / "user.reg").string() : Write("user.reg", c.user_hive);
  HiveRegistry registry(user, {Write("machine.reg", kMachineHive)});
  ThePlatform().registry = &registry;
  EXPECT_EQ(ReadRegValue(c.root, kMainKey, kStartPage), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadRegValueHiveTest,
    testing::Values(
        HiveCase{"NoUserValue", "", kHKeyCurrentUser, ""},
        HiveCase{"MachineValue", "", kHKeyLocalMachine, "http://machine.test/"},
        HiveCase{"PlainString", Version5("\"Start Page\"=\"http://user.test/\""), kHKeyCurrentUser,
                 "http://user.test/"},
        HiveCase{"KeyAndNameInOtherCase",
                 "[hkey_current_user\\software\\MICROSOFT\\internet explorer\\main]\n"
                 "\"start page\"=\"http://user.test/\"\n",
                 kHKeyCurrentUser, "http://user.test/"},
        HiveCase{"Ascii1023Read", Version5("\"Start Page\"=\"" + Repeat("a", 1023) + "\""),
                 kHKeyCurrentUser, Repeat("a", 1023)},
        HiveCase{"Ascii1024Absent", Version5("\"Start Page\"=\"" + Repeat("a", 1024) + "\""),
                 kHKeyCurrentUser, ""},
        HiveCase{"Chinese1024Bytes", Version5("\"Start Page\"=\"" + Repeat("梅", 341) + "\""),
                 kHKeyCurrentUser, Repeat("梅", 341)},
        HiveCase{"Chinese1027Bytes", Version5("\"Start Page\"=\"" + Repeat("梅", 342) + "\""),
                 kHKeyCurrentUser, ""},
        HiveCase{"HexSzWithNulInside",
                 Version5("\"Start Page\"=hex(1):68,00,74,00,00,00,78,00,00,00"), kHKeyCurrentUser,
                 "ht"},
        HiveCase{"Regedit4HexExpandWithNulInside", Regedit4("\"Start Page\"=hex(2):68,74,00,78,00"),
                 kHKeyCurrentUser, "ht"},
        HiveCase{"ExpandSzUnexpanded",
                 Version5("\"Start Page\"=hex(2):25,00,55,00,53,00,45,00,52,00,50,00,52,00,4f,"
                          "00,46,00,49,00,4c,00,\\\r\n  45,00,25,00,5c,00,78,00,00,00"),
                 kHKeyCurrentUser, "%USERPROFILE%\\x"},
        HiveCase{"Dword", Version5("\"Start Page\"=dword:ffffffff"), kHKeyCurrentUser,
                 "4294967295"},
        HiveCase{"Binary", Version5("\"Start Page\"=hex:68,00,74,00"), kHKeyCurrentUser, ""},
        HiveCase{"MultiString", Version5("\"Start Page\"=hex(7):68,00,00,00,00,00"),
                 kHKeyCurrentUser, ""},
        HiveCase{"Utf16LeFile",
                 "\xFF\xFE"s + Utf16Le(Version5("\"Start Page\"=\"http://例子.测试/\"")),
                 kHKeyCurrentUser, "http://例子.测试/"},
        HiveCase{"Utf8BomFile", "\xEF\xBB\xBF"s + Version5("\"Start Page\"=\"http://例子.测试/\""),
                 kHKeyCurrentUser, "http://例子.测试/"},
        HiveCase{"Gb18030File", Regedit4("\"Start Page\"=\"http://\xc0\xfd.test/\""),
                 kHKeyCurrentUser, "http://例.test/"},
        HiveCase{"FileTruncatedInTheValue",
                 CutBefore(Version5("\"Start Page\"=\"http://user.test/\""), "user"),
                 kHKeyCurrentUser, ""},
        HiveCase{"BinaryJunkFile", "\177ELF\x02\x01\x01\0\0\0\0\0\xff\xfe\x01\x02"s,
                 kHKeyCurrentUser, ""},
        HiveCase{"UserFileHoldingMachineKey", kMachineHive, kHKeyCurrentUser, ""}),
    [](const auto& info) { return info.param.test_name; });

}  // namespace
}  // namespace lumetta
