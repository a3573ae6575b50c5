#include "engine/address_fixup.h"

#include <glib.h>

#include <algorithm>
#include <cctype>
#include <string_view>

#include "platform/trim.h"

namespace lumetta {

namespace {

// The scheme of "scheme:rest", lower-cased, or "" when the text does not start with one.
// "localhost:8080" and "host.com:80/x" name a host and port, not a scheme.
std::string SchemeOf(std::string_view text) {
  const size_t colon = text.find(':');
  if (colon == std::string_view::npos || colon == 0) return {};
  if (!std::isalpha(static_cast<unsigned char>(text[0]))) return {};
  for (size_t i = 1; i < colon; ++i) {
    const char c = text[i];
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.') return {};
  }
  const std::string_view rest = text.substr(colon + 1);
  if (!rest.empty() && std::isdigit(static_cast<unsigned char>(rest[0]))) return {};
  std::string scheme(text.substr(0, colon));
  std::transform(scheme.begin(), scheme.end(), scheme.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return scheme;
}

std::optional<std::string> FileUrlFor(std::string path) {
  if (path[0] == '~') path = std::string(g_get_home_dir()) + path.substr(1);
  char* canonical = g_canonicalize_filename(path.c_str(), nullptr);
  char* url = g_filename_to_uri(canonical, nullptr, nullptr);
  g_free(canonical);
  if (url == nullptr) return std::nullopt;
  std::string result(url);
  g_free(url);
  return result;
}

}  // namespace

std::optional<std::string> FixUpAddress(const std::string& text) {
  const std::string_view address = TrimWhitespace(text);
  // A stray Enter in a cleared address box must not throw the page away.
  if (address.empty()) return std::nullopt;
  if (address[0] == '/' || address == "~" || address.substr(0, 2) == "~/") {
    return FileUrlFor(std::string(address));
  }
  const std::string scheme = SchemeOf(address);
  if (scheme == "javascript") return std::nullopt;
  if (!scheme.empty()) return std::string(address);
  return "http://" + std::string(address);
}

std::optional<std::string> BookmarkletScript(const std::string& url) {
  constexpr std::string_view kScheme = "javascript:";
  if (url.size() < kScheme.size() ||
      g_ascii_strncasecmp(url.c_str(), kScheme.data(), kScheme.size()) != 0) {
    return std::nullopt;
  }
  const std::string encoded = url.substr(kScheme.size());
  char* decoded = g_uri_unescape_string(encoded.c_str(), nullptr);
  std::string script = decoded != nullptr ? decoded : encoded;
  g_free(decoded);
  return script;
}

}  // namespace lumetta
