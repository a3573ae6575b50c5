#include "engine/security/certificate_error_page.h"

#include <vector>

#include "engine/error_page.h"

namespace lumetta {

std::string CertificateErrorPageHtml(const std::string& url, const CertificateProblems& problems,
                                     const std::string& continue_uri) {
  const std::vector<CertificateProblemText> present = DescribeProblems(problems);
  // The worst problem names the page.
  const std::string title =
      std::string("证书错误：") + (present.empty() ? "证书无效" : present.front().name);
  std::string html = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + title +
                     "</title><style>body{font-family:sans-serif;margin:3em;color:#333}"
                     "h1{font-size:1.4em;color:#a00}p.url{color:#666;word-break:break-all}"
                     "</style></head><body><h1>此网站的安全证书有问题。</h1><ul>";
  for (const CertificateProblemText& problem : present) {
    html += std::string("<li>") + problem.explanation;
  }
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
