#include "platform/command_line.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace lumetta
