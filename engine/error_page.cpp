#include "engine/error_page.h"

#include <glib.h>

#include "app/browser_control.h"
#include "platform/utf8.h"

namespace lumetta {

namespace {

struct PageText {
  const char* title;
  const char* advice;
};

PageText TextFor(ErrorPageKind kind) {
  switch (kind) {
    case ErrorPageKind::kServerNotFound:
      return {kServerNotFoundTitle,
              "无法找到或连接该网页所在的服务器。请检查地址是否拼写正确，以及网络连接是否正常。"};
    case ErrorPageKind::kOffline:
      return {"脱机工作",
              "当前窗口处于脱机状态，无法从网络获取该网页。取消“文件”菜单中的“脱机工作”后重试。"};
    case ErrorPageKind::kCrashed:
      return {"网页已崩溃", "显示此网页的进程意外结束。"};
    case ErrorPageKind::kOther:
      break;
  }
  return {"无法显示网页", "该网页无法显示。"};
}

}  // namespace

std::string EscapedHtml(const std::string& text) {
  char* escaped = g_markup_escape_text(ValidUtf8(text).c_str(), -1);
  std::string result(escaped);
  g_free(escaped);
  return result;
}

std::string ErrorPageHtml(ErrorPageKind kind, const std::string& url, const std::string& message) {
  const PageText text = TextFor(kind);
  std::string html = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>";
  html += text.title;
  html +=
      "</title><style>body{font-family:sans-serif;margin:3em;color:#333}"
      "h1{font-size:1.4em}p.url{color:#666;word-break:break-all}</style></head><body><h1>";
  html += text.title;
  html += "</h1><p>";
  html += text.advice;
  html += "</p>";
  // Loading the address again starts a fresh process for it.
  if (kind == ErrorPageKind::kCrashed)
    html += "<p><a href=\"" + EscapedHtml(url) + "\">重新加载</a></p>";
  html += "<p class=\"url\">";
  html += EscapedHtml(url);
  html += "</p>";
  if (!message.empty()) html += "<p class=\"url\">" + EscapedHtml(message) + "</p>";
  html += "</body></html>";
  return html;
}

}  // namespace lumetta
