#include "platform/command_line.h"

#include <glib.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_dir.h"

namespace lumetta {
namespace {

TEST(AddressFromArgumentTest, OnlyFilesThatExistInTheWorkingFolderBecomeFullPaths) {
  test::TempDir dir;
  const std::string page = dir.Write("网页/页面 1.html", "<p>x</p>");
  const std::string here = dir.Path() + "/网页";

  EXPECT_EQ(AddressFromArgument("页面 1.html", here), page);
  EXPECT_EQ(AddressFromArgument("../网页/./页面 1.html", here), page);
  EXPECT_EQ(AddressFromArgument(".", here), here);
  // The working folder is the launching process's, not this one's.
  EXPECT_EQ(AddressFromArgument("页面 1.html", dir.Path()), "页面 1.html");
  EXPECT_EQ(AddressFromArgument("页面 1.html", ""), "页面 1.html");
  EXPECT_EQ(AddressFromArgument("www.example.com", here), "www.example.com");
  EXPECT_EQ(AddressFromArgument("http://127.0.0.1/页面 1.html", here),
            "http://127.0.0.1/页面 1.html");
  EXPECT_EQ(AddressFromArgument("/no/such/page.html", here), "/no/such/page.html");
  EXPECT_EQ(AddressFromArgument("", here), "");
}

// A name from a Chinese Windows (its archive unpacked here) is not UTF-8: it opens as the file it
// names, through an address that says it in escapes.
TEST(AddressFromArgumentTest, NameThatIsNotUtf8OpensAsItsFile) {
  test::TempDir dir;
  const std::string name = "\xd6\xd0\xce\xc4.html";  // 中文.html in GBK
  dir.Write(name, "<p>x</p>");
  gchar* uri = g_filename_to_uri((dir.Path() + "/" + name).c_str(), nullptr, nullptr);
  const std::string expected(uri);
  g_free(uri);

  EXPECT_EQ(AddressFromArgument(name, dir.Path()), expected);
  EXPECT_EQ(AddressFromArgument(dir.Path() + "/" + name, ""), expected);
  EXPECT_TRUE(expected.ends_with("/%D6%D0%CE%C4.html")) << expected;
  EXPECT_EQ(AddressFromArgument(name, ""), "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd.html");
}

struct ShortcutCase {
  const char* name;
  std::string content;
  const char* address;  // null: the file itself is opened
};

class ShortcutArgumentTest : public testing::TestWithParam<ShortcutCase> {};

// A shortcut named relative to the working folder, by its full path or as a file manager passes
// it (a file: address) opens the address it holds.
TEST_P(ShortcutArgumentTest, OpensTheAddressAShortcutHolds) {
  test::TempDir dir;
  const std::string path = dir.Write("收藏/收藏.url", GetParam().content);
  const std::string expected = GetParam().address != nullptr ? GetParam().address : path;
  const std::string here = dir.Path() + "/收藏";
  EXPECT_EQ(AddressFromArgument("收藏.url", here), expected);
  EXPECT_EQ(AddressFromArgument(path, here), expected);
  gchar* uri = g_filename_to_uri(path.c_str(), nullptr, nullptr);
  EXPECT_EQ(AddressFromArgument(uri, here), GetParam().address != nullptr ? expected : uri);
  g_free(uri);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ShortcutArgumentTest,
    testing::Values(
        ShortcutCase{"Windows", "[InternetShortcut]\r\nURL=http://127.0.0.1/页面\r\n",
                     "http://127.0.0.1/页面"},
        ShortcutCase{"WithBomAndOtherSections",
                     "\xEF\xBB\xBF[DEFAULT]\nBASEURL=http://a.invalid/\n"
                     "[InternetShortcut]\nIconIndex=0\nURL = \"http://b.invalid/\"\n",
                     "http://b.invalid/"},
        // "http://例子.测试/" as a Chinese Windows writes it.
        ShortcutCase{"Gb18030",
                     "[InternetShortcut]\r\nURL=http://\xC0\xFD\xD7\xD3.\xB2\xE2\xCA\xD4/\r\n",
                     "http://例子.测试/"},
        ShortcutCase{"EmptyAddress", "[InternetShortcut]\nURL=\n", nullptr},
        ShortcutCase{"NoShortcut", "<html><body>URL=http://a.invalid/</body></html>", nullptr},
        ShortcutCase{"LargerThanAShortcut",
                     "[InternetShortcut]\nURL=http://a.invalid/\n" + std::string(70000, ' '),
                     nullptr}),
    [](const testing::TestParamInfo<ShortcutCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumetta
