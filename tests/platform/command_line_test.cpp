#include "platform/command_line.h"

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

}  // namespace
}  // namespace lumetta
