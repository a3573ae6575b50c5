#include "platform/command_line.h"

#include <glib.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "tests/support/temp_dir.h"

namespace lumetta {
namespace {

TEST(AddressFromArgumentTest, OnlyFilesThatExistHereBecomeFullPaths) {
  test::TempDir dir;
  const std::string page = dir.Write("网页/页面 1.html", "<p>x</p>");
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(dir.Path() + "/网页");

  EXPECT_EQ(AddressFromArgument("页面 1.html"), page);
  EXPECT_EQ(AddressFromArgument("../网页/./页面 1.html"), page);
  EXPECT_EQ(AddressFromArgument("."), dir.Path() + "/网页");
  EXPECT_EQ(AddressFromArgument("www.example.com"), "www.example.com");
  EXPECT_EQ(AddressFromArgument("http://127.0.0.1/页面 1.html"), "http://127.0.0.1/页面 1.html");
  EXPECT_EQ(AddressFromArgument("/no/such/page.html"), "/no/such/page.html");
  EXPECT_EQ(AddressFromArgument(""), "");

  std::filesystem::current_path(before);
}

// A name from a Chinese Windows (its archive unpacked here) is not UTF-8: it opens as the file it
// names, through an address that says it in escapes.
TEST(AddressFromArgumentTest, NameThatIsNotUtf8OpensAsItsFile) {
  test::TempDir dir;
  const std::string name = "\xd6\xd0\xce\xc4.html";  // 中文.html in GBK
  dir.Write(name, "<p>x</p>");
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(dir.Path());
  gchar* uri = g_filename_to_uri((dir.Path() + "/" + name).c_str(), nullptr, nullptr);
  const std::string expected(uri);
  g_free(uri);

  EXPECT_EQ(AddressFromArgument(name), expected);
  EXPECT_EQ(AddressFromArgument(dir.Path() + "/" + name), expected);
  EXPECT_TRUE(expected.ends_with("/%D6%D0%CE%C4.html")) << expected;

  std::filesystem::current_path(before);
}

}  // namespace
}  // namespace lumetta
