#include "engine/downloads/download_file_name.h"

#include <glib.h>

#include "platform/trim.h"
#include "platform/utf8.h"

namespace lumetta {

namespace {

constexpr char kFallbackName[] = "下载";
constexpr std::string_view kPartSuffix = ".part";
constexpr std::string_view kEngineSuffix = ".wkdownload";
// Longer "extensions" are part of the name and may be shortened with it.
constexpr size_t kMaxExtensionBytes = 32;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

std::string_view ExtensionOf(std::string_view name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot == 0 || name.size() - dot > kMaxExtensionBytes) {
    return {};
  }
  return name.substr(dot);
}

// The last segment of `address`'s path, unescaped, as text.
std::string AddressFileName(std::string_view address) {
  GUri* uri = g_uri_parse(std::string(address).c_str(), G_URI_FLAGS_ENCODED, nullptr);
  if (uri == nullptr) return {};
  const std::string path = g_uri_get_path(uri);
  g_uri_unref(uri);
  const std::string segment = path.substr(path.rfind('/') + 1);
  GBytes* bytes = g_uri_unescape_bytes(segment.c_str(), segment.size(), nullptr, nullptr);
  if (bytes == nullptr) return {};
  gsize size = 0;
  const auto* data = static_cast<const char*>(g_bytes_get_data(bytes, &size));
  std::string name = TextFromWindows(std::string(data != nullptr ? data : "", size));
  g_bytes_unref(bytes);
  return name;
}

// `name` cut to `max` bytes at a character boundary, keeping its extension.
std::string Shortened(const std::string& name, size_t max) {
  if (name.size() <= max) return name;
  const size_t dot = name.rfind('.');
  const bool has_extension =
      dot != std::string::npos && dot > 0 && name.size() - dot <= kMaxExtensionBytes;
  const std::string extension = has_extension ? name.substr(dot) : "";
  size_t cut = max - extension.size();
  while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
  return name.substr(0, cut) + extension;
}

}  // namespace

std::string SafeDownloadName(std::string_view suggested) {
  std::string bytes;
  for (char c : suggested) {
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) bytes += c;
  }
  const std::string valid = ValidUtf8(bytes);
  std::string name;
  for (const char* p = valid.c_str(); *p != '\0'; p = g_utf8_next_char(p)) {
    const gunichar c = g_utf8_get_char(p);
    if (g_unichar_iscntrl(c)) continue;
    if (c == '/' || c == '\\') {
      name += '_';
    } else if (!name.empty() || (c != '.' && !g_unichar_isspace(c))) {
      name.append(p, g_utf8_next_char(p) - p);
    }
  }
  name.resize(TrimTrailingWhitespace(name).size());
  if (name.empty()) return kFallbackName;
  return Shortened(name, kMaxFileNameBytes);
}

std::string RecoveredDownloadName(std::string_view suggested, std::string_view address) {
  const std::string valid = ValidUtf8(suggested);
  if (valid.find(kReplacement) == std::string::npos) return std::string(suggested);
  std::string extension(ExtensionOf(valid));
  if (extension.find(kReplacement) != std::string::npos) extension.clear();
  const std::string own = AddressFileName(address);
  if (!extension.empty() && own.find(kReplacement) == std::string::npos &&
      g_ascii_strcasecmp(std::string(ExtensionOf(own)).c_str(), extension.c_str()) == 0) {
    return own;
  }
  return kFallbackName + extension;
}

std::string NumberedName(const std::string& name, int n) {
  const std::string number = " (" + std::to_string(n) + ")";
  const size_t dot = name.rfind('.');
  const bool has_extension =
      dot != std::string::npos && dot > 0 && name.size() - dot <= kMaxExtensionBytes;
  const std::string extension = has_extension ? name.substr(dot) : "";
  const std::string stem = name.substr(0, name.size() - extension.size());
  return Shortened(stem, kMaxFileNameBytes - number.size() - extension.size()) + number + extension;
}

std::string PartFileName(const std::string& name) {
  return Shortened(name, kMaxFileNameBytes - kPartSuffix.size() - kEngineSuffix.size()) +
         std::string(kPartSuffix);
}

}  // namespace lumetta
