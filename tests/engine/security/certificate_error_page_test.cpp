#include "engine/security/certificate_error_page.h"

#include <gtest/gtest.h>

namespace lumetta {
namespace {

struct TitleCase {
  const char* name;
  GTlsCertificateFlags errors;
  const char* title;
};

class CertificateErrorPageTitleTest : public testing::TestWithParam<TitleCase> {};

// The page is titled with the worst of the problems; every problem is explained.
TEST_P(CertificateErrorPageTitleTest, NamesTheWorstProblem) {
  const TitleCase& c = GetParam();
  const std::string html =
      CertificateErrorPageHtml("https://x/", ProblemsOf(nullptr, c.errors), "lumetta-x:y");
  EXPECT_NE(html.find(std::string("<title>证书错误：") + c.title + "</title>"), std::string::npos);
}

constexpr auto kExpiredForAnotherHost =
    static_cast<GTlsCertificateFlags>(G_TLS_CERTIFICATE_EXPIRED | G_TLS_CERTIFICATE_BAD_IDENTITY);

INSTANTIATE_TEST_SUITE_P(
    Flags, CertificateErrorPageTitleTest,
    testing::Values(
        TitleCase{"Expired", G_TLS_CERTIFICATE_EXPIRED, "证书已过期"},
        TitleCase{"NotYetValid", G_TLS_CERTIFICATE_NOT_ACTIVATED, "证书尚未生效"},
        TitleCase{"UnknownIssuer", G_TLS_CERTIFICATE_UNKNOWN_CA, "证书颁发机构不受信任"},
        TitleCase{"WrongHostBeforeExpired", kExpiredForAnotherHost, "证书与网站地址不符"},
        TitleCase{"Revoked", G_TLS_CERTIFICATE_REVOKED, "证书已被吊销"},
        TitleCase{"NoFlagsAtAll", static_cast<GTlsCertificateFlags>(0), "证书无效"}),
    [](const testing::TestParamInfo<TitleCase>& info) { return info.param.name; });

TEST(CertificateErrorPageTest, ListsEveryProblemAndEscapesTheAddress) {
  const std::string html = CertificateErrorPageHtml(
      "https://x/<script>", ProblemsOf(nullptr, kExpiredForAnotherHost), "lumetta-x:\"y");
  EXPECT_NE(html.find("已过期"), std::string::npos);
  EXPECT_NE(html.find("其他网站地址"), std::string::npos);
  EXPECT_EQ(html.find("<script>"), std::string::npos);
  EXPECT_NE(html.find("href=\"lumetta-x:&quot;y\">继续浏览此网站(不推荐)</a>"), std::string::npos);
  // Without a certificate to accept there is nothing to continue to.
  EXPECT_EQ(CertificateErrorPageHtml("https://x/", {}, "").find("继续浏览此网站(不推荐)"),
            std::string::npos);
}

}  // namespace
}  // namespace lumetta
