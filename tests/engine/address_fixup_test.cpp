#include "engine/address_fixup.h"

#include <glib.h>
#include <gtest/gtest.h>

namespace lumetta {
namespace {

struct FixUpCase {
  const char* typed;
  const char* loaded;  // null: refused
};

class FixUpAddressTest : public testing::TestWithParam<FixUpCase> {};

TEST_P(FixUpAddressTest, GivesTheAddressToLoad) {
  const auto result = FixUpAddress(GetParam().typed);
  if (GetParam().loaded == nullptr) {
    EXPECT_FALSE(result.has_value()) << *result;
  } else {
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, GetParam().loaded);
  }
}

INSTANTIATE_TEST_SUITE_P(Typed, FixUpAddressTest,
                         testing::Values(FixUpCase{"", nullptr}, FixUpCase{" \t ", nullptr},
                                         FixUpCase{"http://a.example/x", "http://a.example/x"},
                                         FixUpCase{"HTTPS://a.example/", "HTTPS://a.example/"},
                                         FixUpCase{"www.example.com", "http://www.example.com"},
                                         FixUpCase{"\twww.example.com\t", "http://www.example.com"},
                                         FixUpCase{"localhost:8080", "http://localhost:8080"},
                                         FixUpCase{"host.example:80/x", "http://host.example:80/x"},
                                         FixUpCase{"about:blank", "about:blank"},
                                         FixUpCase{"data:text/html,<b>x</b>",
                                                   "data:text/html,<b>x</b>"},
                                         FixUpCase{"mailto:a@b.example", "mailto:a@b.example"},
                                         FixUpCase{"/tmp/a b.html", "file:///tmp/a%20b.html"},
                                         FixUpCase{"/tmp/../etc/x", "file:///etc/x"},
                                         FixUpCase{"百度.cn", "http://百度.cn"},
                                         FixUpCase{"javascript:alert(1)", nullptr},
                                         FixUpCase{"JavaScript:alert(1)", nullptr}));

TEST(FixUpAddressTest, HomeFolderPath) {
  const auto result = FixUpAddress("~/page.html");
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(*result, std::string("file://") + g_get_home_dir() + "/page.html");
}

}  // namespace
}  // namespace lumetta
