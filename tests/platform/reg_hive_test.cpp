#include "platform/reg_hive.h"

#include <glib.h>
#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>

#include "tests/support/utf16.h"

namespace lumetta {

void PrintTo(const RegData& data, std::ostream* os) {
  *os << "{type " << data.type << ", bytes \"";
  for (unsigned char c : data.bytes) {
    if (c >= 0x20 && c < 0x7f && c != '\\') {
      *os << c;
    } else {
      *os << "\\x" << std::hex << static_cast<int>(c) << std::dec;
    }
  }
  *os << "\"}";
}

bool operator==(const RegData& a, const RegData& b) {
  return a.type == b.type && a.bytes == b.bytes;
}

namespace {

using namespace std::string_literals;

constexpr char kKey[] = "HKEY_CURRENT_USER\\Software\\Test";

using test::Utf16Le;

RegData Sz(const std::string& text) { return {kRegSz, text + '\0'}; }

// One value looked up in a UTF-8 file.
struct LookupCase {
  std::string test_name;
  std::string file;
  std::string key;
  std::string value_name;
  std::optional<RegData> expected;
};

std::ostream& operator<<(std::ostream& os, const LookupCase& c) { return os << c.test_name; }

class FindRegValueTest : public testing::TestWithParam<LookupCase> {};

TEST_P(FindRegValueTest, FindsWhatAnImportWouldLeave) {
  const LookupCase& c = GetParam();
  EXPECT_EQ(FindRegValue(c.file, c.key, c.value_name), c.expected);
}

const LookupCase kValueSyntaxCases[] = {
    {"QuotedString", "[HKEY_CURRENT_USER\\Software\\Test]\n\"Start Page\"=\"http://a.example/\"\n",
     kKey, "Start Page", Sz("http://a.example/")},
    {"EmptyString", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=\"\"\n", kKey, "v", Sz("")},
    {"ChineseString", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=\"琉梅塔\"\n", kKey, "v",
     Sz("琉梅塔")},
    {"Escapes", R"([HKEY_CURRENT_USER\Software\Test]
"v"="C:\\dir\\\"quoted\""
)",
     kKey, "v", Sz(R"(C:\dir\"quoted")")},
    {"UnknownEscapeKept", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=\"C:\\Windows\"\n", kKey, "v",
     Sz("C:\\Windows")},
    {"TrailingBackslashInStringIsNoContinuation", R"([HKEY_CURRENT_USER\Software\Test]
"v"="C:\\"
"w"="next"
)",
     kKey, "w", Sz("next")},
    {"EscapedQuoteInName", R"([HKEY_CURRENT_USER\Software\Test]
"a \"b\""="x"
)",
     kKey, "a \"b\"", Sz("x")},
    {"BlanksAroundEquals", "[HKEY_CURRENT_USER\\Software\\Test]\n  \"v\" =\t\"x\"  \n", kKey, "v",
     Sz("x")},
    {"DefaultValue", "[HKEY_CURRENT_USER\\Software\\Test]\n@=\"home\"\n", kKey, "", Sz("home")},
    {"DefaultValueIsNotNamedAt", "[HKEY_CURRENT_USER\\Software\\Test]\n@=\"home\"\n", kKey, "@",
     std::nullopt},
    {"Dword", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=dword:0000002a\n", kKey, "v",
     RegData{kRegDword, "\x2a\0\0\0"s}},
    {"DwordAllBits", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=dword:FFFFFFFF\n", kKey, "v",
     RegData{kRegDword, "\xff\xff\xff\xff"}},
    {"DwordByteOrder", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=dword:12345678\n", kKey, "v",
     RegData{kRegDword, "\x78\x56\x34\x12"}},
    {"DwordBadHexIgnored", R"([HKEY_CURRENT_USER\Software\Test]
"v"="old"
"v"=dword:0000zz01
)",
     kKey, "v", Sz("old")},
    {"DwordNineDigitsIgnored", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=dword:100000000\n", kKey,
     "v", std::nullopt},
    {"DwordEmptyIgnored", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=dword:\n", kKey, "v",
     std::nullopt},
    {"Binary", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=hex:01,ff,00,7f\n", kKey, "v",
     RegData{kRegBinary, "\x01\xff\0\x7f"s}},
    {"EmptyBinary", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=hex:\n", kKey, "v",
     RegData{kRegBinary, ""}},
    {"BinaryBadByteIgnored", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=hex:01,1g\n", kKey, "v",
     std::nullopt},
    {"BinaryThreeDigitByteIgnored", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=hex:01,100\n", kKey,
     "v", std::nullopt},
    {"BinaryTrailingCommaIgnored", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=hex:01,\n", kKey,
     "v", std::nullopt},
    {"QwordKeepsStoredBytes",
     "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=hex(b):01,02,03,04,05,06,07,08\n", kKey, "v",
     RegData{11, "\x01\x02\x03\x04\x05\x06\x07\x08"}},
    {"HexDwordKeepsStoredBytes", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=hex(4):2a,00,00,00\n",
     kKey, "v", RegData{kRegDword, "\x2a\0\0\0"s}},
    {"HexTypeUnclosedIgnored", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=hex(4:2a\n", kKey, "v",
     std::nullopt},
    {"ContinuationLines", R"([HKEY_CURRENT_USER\Software\Test]
"v"=hex:01,02,\
  03,04,\
  05
"w"="after"
)",
     kKey, "v", RegData{kRegBinary, "\x01\x02\x03\x04\x05"}},
    {"ValueAfterContinuationStillRead", R"([HKEY_CURRENT_USER\Software\Test]
"v"=hex:01,02,\
  03
"w"="after"
)",
     kKey, "w", Sz("after")},
    {"ContinuationCutBySectionIgnored", R"([HKEY_CURRENT_USER\Software\Test]
"v"=hex:01,02,\
[HKEY_CURRENT_USER\Software\Test]
"w"="after"
)",
     kKey, "v", std::nullopt},
    {"SectionAfterCutContinuationStillRead", R"([HKEY_CURRENT_USER\Software\Other]
"v"="x"
[HKEY_CURRENT_USER\Software\Test]
"w"=hex:01,02,\
[HKEY_CURRENT_USER\Software\Test]
"v"="after"
)",
     kKey, "v", Sz("after")},
    {"ContinuationAtEndOfFileIgnored", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=hex:01,\\\n",
     kKey, "v", std::nullopt},
    {"UnterminatedStringIgnored", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=\"http://a\n", kKey,
     "v", std::nullopt},
    {"JunkAfterStringIgnored", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=\"a\"b\n", kKey, "v",
     std::nullopt},
    {"UnknownDataIgnored", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=qword:1\n", kKey, "v",
     std::nullopt},
    {"CommentLine", "[HKEY_CURRENT_USER\\Software\\Test]\n;\"v\"=\"x\"\n", kKey, "v", std::nullopt},
    {"CrLf", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Test]\r\n\"v\"=\"x\"\r\n", kKey, "v",
     Sz("x")},
    {"NoFinalNewline", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=\"x\"", kKey, "v", Sz("x")},
};
INSTANTIATE_TEST_SUITE_P(ValueSyntax, FindRegValueTest, testing::ValuesIn(kValueSyntaxCases),
                         [](const auto& info) { return info.param.test_name; });

const LookupCase kHexStringCases[] = {
    {"Version5ExpandIsUtf16",
     "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Test]\n"
     "\"v\"=hex(2):25,00,55,00,25,00,00,00\n",
     kKey, "v", RegData{kRegExpandSz, "%U%\0"s}},
    {"Version5MultiKeepsNuls",
     "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\Software\\Test]\n"
     "\"v\"=hex(7):61,00,00,00,62,00,00,00,00,00\n",
     kKey, "v", RegData{kRegMultiSz, "a\0b\0\0"s}},
    {"Version5ChineseAndSurrogatePair",
     "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\Software\\Test]\n"
     "\"v\"=hex(1):2d,4e,3d,d8,00,de,00,00\n",
     kKey, "v", RegData{kRegSz, "中😀\0"s}},
    {"Version5LoneSurrogateReplaced",
     "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\Software\\Test]\n"
     "\"v\"=hex(1):00,d8,41,00,00,00\n",
     kKey, "v", RegData{kRegSz, "\uFFFDA\0"s}},
    {"Version5OddByteDropped",
     "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\Software\\Test]\n"
     "\"v\"=hex(1):41,00,42\n",
     kKey, "v", RegData{kRegSz, "A"}},
    {"Regedit4ExpandIsNarrow",
     "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=hex(2):25,55,25,00\n", kKey, "v",
     RegData{kRegExpandSz, "%U%\0"s}},
    {"Regedit4Gb18030",
     "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=hex(1):d6,d0,ce,c4,00\n", kKey, "v",
     RegData{kRegSz, "中文\0"s}},
    {"Regedit4Utf8", "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=hex(1):e4,b8,ad,00\n",
     kKey, "v", RegData{kRegSz, "中\0"s}},
    {"Regedit4UndecodableKeptAsStored",
     "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=hex(1):61,ff,62,00\n", kKey, "v",
     RegData{kRegSz, "a\377b\0"s}},
    {"NoHeaderInUtf8IsNarrow", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=hex(1):41,42,00\n", kKey,
     "v", RegData{kRegSz, "AB\0"s}},
    {"BinaryNeverConverted",
     "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\Software\\Test]\n"
     "\"v\"=hex:41,00,42,00\n",
     kKey, "v", RegData{kRegBinary, "A\0B\0"s}},
};
INSTANTIATE_TEST_SUITE_P(HexStrings, FindRegValueTest, testing::ValuesIn(kHexStringCases),
                         [](const auto& info) { return info.param.test_name; });

const LookupCase kKeyMatchingCases[] = {
    {"KeyAndNameIgnoreCase", "[hkey_current_user\\SOFTWARE\\test]\n\"START page\"=\"x\"\n",
     "HKEY_CURRENT_USER\\Software\\Test", "Start Page", Sz("x")},
    {"UnicodeCaseFolding", "[HKEY_CURRENT_USER\\Software\\ÄÖ]\n\"ÉTÉ\"=\"x\"\n",
     "HKEY_CURRENT_USER\\software\\äö", "été", Sz("x")},
    {"ShortRootInFile", "[HKCU\\Software\\Test]\n\"v\"=\"x\"\n", kKey, "v", Sz("x")},
    {"ShortRootInQuery", "[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"v\"=\"x\"\n",
     "HKLM\\Software\\Test", "v", Sz("x")},
    {"OtherRootByName", "[HKEY_USERS\\.DEFAULT\\Test]\n\"v\"=\"x\"\n", "HKEY_USERS\\.DEFAULT\\Test",
     "v", Sz("x")},
    {"RootMustMatch", "[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"v\"=\"x\"\n", kKey, "v",
     std::nullopt},
    {"BlanksAndExtraSeparators", "  [ HKEY_CURRENT_USER\\\\Software\\Test\\ ]\n\"v\"=\"x\"\n", kKey,
     "v", Sz("x")},
    {"QueryBlanksAndSeparators", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=\"x\"\n",
     " HKEY_CURRENT_USER\\Software\\\\Test\\", "v", Sz("x")},
    {"ParentKeyDoesNotAnswer", "[HKEY_CURRENT_USER\\Software]\n\"v\"=\"x\"\n", kKey, "v",
     std::nullopt},
    {"SubkeyDoesNotAnswer", "[HKEY_CURRENT_USER\\Software\\Test\\Sub]\n\"v\"=\"x\"\n", kKey, "v",
     std::nullopt},
    {"OtherValueName", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v2\"=\"x\"\n", kKey, "v",
     std::nullopt},
    {"UnclosedSectionEndsPreviousKey", R"([HKEY_CURRENT_USER\Software\Test]
"v"="a"
[HKEY_CURRENT_USER\Software\Other
"v"="b"
)",
     kKey, "v", Sz("a")},
    {"ValuesBeforeAnySectionIgnored", "\"v\"=\"x\"\n", kKey, "v", std::nullopt},
    {"EmptyQueryKey", "[HKEY_CURRENT_USER]\n\"v\"=\"x\"\n", "", "v", std::nullopt},
    {"InvalidUtf8QueryKey", "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=\"x\"\n",
     "HKEY_CURRENT_USER\\Software\\Te\xffst", "v", std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(KeyMatching, FindRegValueTest, testing::ValuesIn(kKeyMatchingCases),
                         [](const auto& info) { return info.param.test_name; });

const LookupCase kImportOrderCases[] = {
    {"SectionsOfOneKeyMerge", R"([HKEY_CURRENT_USER\Software\Test]
"v"="first"
[HKEY_CURRENT_USER\Software\Other]
"w"="other"
[HKEY_CURRENT_USER\Software\Test]
"w"="second"
)",
     kKey, "v", Sz("first")},
    {"LaterAssignmentWins", R"([HKEY_CURRENT_USER\Software\Test]
"v"="first"
[HKCU\software\test]
"V"=dword:00000001
)",
     kKey, "v", RegData{kRegDword, "\x01\0\0\0"s}},
    {"DeleteValue", R"([HKEY_CURRENT_USER\Software\Test]
"v"="x"
"v"=-
)",
     kKey, "v", std::nullopt},
    {"AssignAfterDeleteValue", R"([HKEY_CURRENT_USER\Software\Test]
"v"="x"
"v" = -
"v"="y"
)",
     kKey, "v", Sz("y")},
    {"DeleteKey", R"([HKEY_CURRENT_USER\Software\Test]
"v"="x"
[-HKEY_CURRENT_USER\Software\Test]
)",
     kKey, "v", std::nullopt},
    {"DeleteParentKey", R"([HKEY_CURRENT_USER\Software\Test]
"v"="x"
[-hkcu\SOFTWARE]
)",
     kKey, "v", std::nullopt},
    {"DeleteSubkeyKeepsKey", R"([HKEY_CURRENT_USER\Software\Test]
"v"="x"
[-HKEY_CURRENT_USER\Software\Test\Sub]
)",
     kKey, "v", Sz("x")},
    {"DeleteKeyWithSamePrefixKeepsKey", R"([HKEY_CURRENT_USER\Software\Test]
"v"="x"
[-HKEY_CURRENT_USER\Software\Tes]
)",
     kKey, "v", Sz("x")},
    {"ValuesUnderDeletedKeyIgnored", R"([-HKEY_CURRENT_USER\Software\Test]
"v"="x"
)",
     kKey, "v", std::nullopt},
    {"KeyRecreatedAfterDelete", R"([HKEY_CURRENT_USER\Software\Test]
"v"="old"
[-HKEY_CURRENT_USER\Software\Test]
[HKEY_CURRENT_USER\Software\Test]
"w"="new"
)",
     kKey, "v", std::nullopt},
    {"ValueSetAgainAfterKeyDelete", R"([HKEY_CURRENT_USER\Software\Test]
"v"="old"
[-HKEY_CURRENT_USER\Software]
[HKEY_CURRENT_USER\Software\Test]
"v"="new"
)",
     kKey, "v", Sz("new")},
};
INSTANTIATE_TEST_SUITE_P(ImportOrder, FindRegValueTest, testing::ValuesIn(kImportOrderCases),
                         [](const auto& info) { return info.param.test_name; });

// The same export in each file encoding regedit or an editor may produce.
struct EncodingCase {
  std::string test_name;
  std::string file;
};

std::ostream& operator<<(std::ostream& os, const EncodingCase& c) { return os << c.test_name; }

const char kVersion5Export[] =
    "Windows Registry Editor Version 5.00\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Test]\r\n"
    "\"名称\"=\"琉梅塔 http://例子.测试/\"\r\n"
    "\"e\"=hex(2):25,00,55,00,53,00,45,00,52,00,50,00,52,00,4f,00,46,00,49,00,4c,00,\\\r\n"
    "  45,00,25,00,5c,00,78,00,00,00\r\n";

class FileEncodingTest : public testing::TestWithParam<EncodingCase> {};

TEST_P(FileEncodingTest, DecodesNamesStringsAndHexStrings) {
  const std::string& file = GetParam().file;
  EXPECT_EQ(FindRegValue(file, kKey, "名称"), Sz("琉梅塔 http://例子.测试/"));
  EXPECT_EQ(FindRegValue(file, kKey, "e"), (RegData{kRegExpandSz, "%USERPROFILE%\\x\0"s}));
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, FileEncodingTest,
    testing::Values(EncodingCase{"Utf8", kVersion5Export},
                    EncodingCase{"Utf8WithBom", "\xEF\xBB\xBF"s + kVersion5Export},
                    EncodingCase{"Utf16LeWithBom", "\xFF\xFE"s + Utf16Le(kVersion5Export)},
                    EncodingCase{"Utf16LeWithoutBom", Utf16Le(kVersion5Export)}),
    [](const auto& info) { return info.param.test_name; });

TEST(FindRegValueAnsiTest, Gb18030ExportIsConverted) {
  // "REGEDIT4" export from a Chinese Windows: 中文 in the ANSI code page.
  const std::string file =
      "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\\xd6\xd0]\r\n\"\xce\xc4\"="
      "\"\xd6\xd0\xce\xc4\"\r\n";
  EXPECT_EQ(FindRegValue(file, "HKEY_CURRENT_USER\\Software\\中", "文"), Sz("中文"));
}

TEST(FindRegValueAnsiTest, UndecodableFileFindsNothing) {
  // Neither UTF-8 nor GB18030, so even the well-formed value is not trusted.
  const std::string file =
      "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Test]\n\"w\"=\"ok\"\n\"v\"=\"\xff\xff\"\n";
  EXPECT_EQ(FindRegValue(file, kKey, "w"), std::nullopt);
}

TEST(FindRegValueAnsiTest, Utf8WithBomToleratesBadBytes) {
  const std::string file = "\xEF\xBB\xBF[HKEY_CURRENT_USER\\Software\\Test]\n\"w\"=\"ok\"\n;\xff\n";
  EXPECT_EQ(FindRegValue(file, kKey, "w"), Sz("ok"));
}

class DamagedFileTest : public testing::TestWithParam<std::string> {};

TEST_P(DamagedFileTest, FindsNothing) {
  EXPECT_EQ(FindRegValue(GetParam(), kKey, "v"), std::nullopt);
  EXPECT_EQ(FindRegValue(GetParam(), kKey, ""), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Junk, DamagedFileTest,
                         testing::Values(""s, "\xFF\xFE"s, "\xFF\xFE["s, "\xEF\xBB\xBF"s, "\0\0\0"s,
                                         "["s, "]"s, "[-]"s, "[\\\\\\]\n\"v\"=\"x\""s,
                                         "\"v\"=hex:\\"s, "\\\n\\\n"s, "\n\r\n\r"s,
                                         "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=hex(\n"s,
                                         "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=\"\\"s,
                                         "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=\\\n"s));

TEST(JunkFileTest, RandomBytesNeitherCrashNorMatch) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 200; ++round) {
    std::string file;
    for (int i = 0; i < 4096; ++i) file += static_cast<char>(byte(random));
    EXPECT_EQ(FindRegValue(file, kKey, "v"), std::nullopt) << "round " << round;
  }
}

TEST(TruncatedFileTest, CutStringIsNeverTakenForTheWholeOne) {
  const std::string utf16 = "\xFF\xFE"s + Utf16Le(kVersion5Export);
  const std::string utf8 = kVersion5Export;
  for (const std::string& full : {utf8, utf16}) {
    for (size_t length = 0; length < full.size(); ++length) {
      const std::string cut = full.substr(0, length);
      const std::optional<RegData> value = FindRegValue(cut, kKey, "名称");
      if (value) {
        EXPECT_EQ(*value, Sz("琉梅塔 http://例子.测试/")) << "length " << length;
      }
      // A hex value cut between bytes is a shorter value; all that matters is its type.
      const std::optional<RegData> hex = FindRegValue(cut, kKey, "e");
      if (hex) {
        EXPECT_EQ(hex->type, kRegExpandSz) << "length " << length;
      }
    }
  }
}

TEST(TruncatedFileTest, ContinuationCutByEndOfFileFindsNothing) {
  const std::string full = kVersion5Export;
  const std::string cut = full.substr(0, full.find("\\\r\n") + 3);
  EXPECT_EQ(FindRegValue(cut, kKey, "e"), std::nullopt);
}

}  // namespace
}  // namespace lumetta
