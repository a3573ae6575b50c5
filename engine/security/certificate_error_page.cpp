#include "engine/security/certificate_error_page.h"

#include <vector>

#include "engine/error_page.h"

namespace lumetta {

namespace {

struct Problem {
  bool CertificateProblems::*present;
  const char* title;
  const char* explanation;
};

// Worst first: the first present one names the page.
constexpr Problem kProblems[] = {
    {&CertificateProblems::wrong_host, "证书与网站地址不符",
     "此网站出示的安全证书是为其他网站地址颁发的。"},
    {&CertificateProblems::revoked, "证书已被吊销", "此网站出示的安全证书已被其颁发机构吊销。"},
    {&CertificateProblems::expired, "证书已过期", "此网站出示的安全证书已过期。"},
    {&CertificateProblems::not_yet_valid, "证书尚未生效", "此网站出示的安全证书尚未生效。"},
    {&CertificateProblems::self_signed, "自签名证书",
     "此网站出示的安全证书是它自己签发的，没有受信任的证书颁发机构为它担保。"},
    {&CertificateProblems::unknown_issuer, "证书颁发机构不受信任",
     "此网站出示的安全证书不是由受信任的证书颁发机构颁发的。"},
    {&CertificateProblems::insecure, "证书不安全", "此网站出示的安全证书使用了不安全的算法。"},
    {&CertificateProblems::other, "证书无效", "此网站出示的安全证书无效。"},
};

}  // namespace

std::string CertificateErrorPageHtml(const std::string& url, const CertificateProblems& problems,
                                     const std::string& continue_uri) {
  std::vector<const Problem*> present;
  for (const Problem& problem : kProblems) {
    if (problems.*problem.present) present.push_back(&problem);
  }
  const std::string title =
      std::string("证书错误：") + (present.empty() ? "证书无效" : present.front()->title);
  std::string html = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + title +
                     "</title><style>body{font-family:sans-serif;margin:3em;color:#333}"
                     "h1{font-size:1.4em;color:#a00}p.url{color:#666;word-break:break-all}"
                     "</style></head><body><h1>此网站的安全证书有问题。</h1><ul>";
  for (const Problem* problem : present) html += std::string("<li>") + problem->explanation;
  html +=
      "</ul><p>安全证书问题可能表示有人企图欺骗您，或截获您向服务器发送的数据。"
      "建议关闭此网页，不要继续浏览该网站。</p><p class=\"url\">" +
      EscapedHtml(url) + "</p>";
  if (!continue_uri.empty()) {
    html += "<p><a id=\"continue\" href=\"" + EscapedHtml(continue_uri) +
            "\">继续浏览此网站(不推荐)</a></p>";
  }
  return html + "</body></html>";
}

}  // namespace lumetta
