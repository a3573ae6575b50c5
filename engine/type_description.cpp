#include "engine/type_description.h"

#include <gio/gio.h>

namespace lumetta {

namespace {

struct Known {
  const char* mime_type;
  const char* name;
};

constexpr Known kKnown[] = {
    {"text/html", "HTML 文档"},      {"application/xhtml+xml", "XHTML 文档"},
    {"text/plain", "文本文档"},      {"text/xml", "XML 文档"},
    {"application/xml", "XML 文档"}, {"application/pdf", "PDF 文档"},
    {"image/png", "PNG 图像"},       {"image/jpeg", "JPEG 图像"},
    {"image/gif", "GIF 图像"},       {"image/webp", "WebP 图像"},
    {"image/svg+xml", "SVG 图像"},   {"application/zip", "ZIP 压缩文件"},
};

}  // namespace

std::string TypeDescription(const std::string& mime_type) {
  if (mime_type.empty()) return "未知类型";
  for (const Known& known : kKnown) {
    if (mime_type == known.mime_type) return std::string(known.name) + " (" + mime_type + ")";
  }
  gchar* type = g_content_type_from_mime_type(mime_type.c_str());
  gchar* description = type != nullptr ? g_content_type_get_description(type) : nullptr;
  std::string text = description != nullptr ? std::string(description) : mime_type;
  if (text != mime_type) text += " (" + mime_type + ")";
  g_free(description);
  g_free(type);
  return text;
}

}  // namespace lumetta
