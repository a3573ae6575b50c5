#include "engine/error_page.h"

#include <glib.h>
#include <gtest/gtest.h>

namespace lumetta {
namespace {

TEST(ErrorPageTest, NotFoundPageCarriesTheTitleTheWindowRecognises) {
  const std::string html = ErrorPageHtml(ErrorPageKind::kServerNotFound, "http://x.invalid/", "");
  EXPECT_NE(html.find("<title>找不到服务器</title>"), std::string::npos);
  EXPECT_NE(html.find("charset=\"utf-8\""), std::string::npos);
}

TEST(ErrorPageTest, AddressAndMessageAreEscaped) {
  const std::string html = ErrorPageHtml(
      ErrorPageKind::kOther, "http://x/<script>alert(1)</script>", "bad \"thing\" & <b>");
  EXPECT_EQ(html.find("<script>"), std::string::npos);
  EXPECT_EQ(html.find("<b>"), std::string::npos);
  EXPECT_NE(html.find("&lt;script&gt;"), std::string::npos);
  EXPECT_NE(html.find("&amp;"), std::string::npos);
}

TEST(ErrorPageTest, InvalidUtf8InTheAddressIsMadeValid) {
  const std::string html = ErrorPageHtml(ErrorPageKind::kOffline, "http://x/\xff\xfe", "");
  EXPECT_TRUE(g_utf8_validate(html.data(), static_cast<gssize>(html.size()), nullptr));
}

}  // namespace
}  // namespace lumetta
