#include "app/search_templates.h"

#include <charconv>
#include <string_view>

namespace lumetta {

namespace {

// The engines' international hosts: their China sites no longer serve web search. Over
// https, so that the keyword, the one thing typed here that must stay private, never crosses the
// network in clear.
constexpr std::array<const char*, kSearchEngineCount> kSearchTemplates = {
    "https://www.baidu.com/baidu?wd=<searchstring>&tn=brintal_dg",
    "https://search.yahoo.com/search?p=<searchstring>",
    "https://www.google.com/search?q=<searchstring>",
};

bool Unreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

}  // namespace

void FillSearchTemplates(std::array<std::string, kSearchEngineCount>& slots) {
  for (int slot = 0; slot < kSearchEngineCount; ++slot) slots[slot] = kSearchTemplates[slot];
}

std::string PercentEncode(const std::string& text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  encoded.reserve(text.size() * 3);
  for (const char byte : text) {
    const auto c = static_cast<unsigned char>(byte);
    if (Unreserved(c)) {
      encoded += byte;
    } else {
      encoded += '%';
      encoded += kHex[c >> 4];
      encoded += kHex[c & 0x0F];
    }
  }
  return encoded;
}

std::string BuildSearchUrl(const std::string& url_template, const std::string& keyword) {
  const std::string value = PercentEncode(keyword);
  const std::string_view placeholder = kSearchPlaceholder;
  std::string url;
  size_t from = 0;
  for (size_t at = url_template.find(placeholder); at != std::string::npos;
       at = url_template.find(placeholder, from)) {
    url.append(url_template, from, at - from);
    url += value;
    from = at + placeholder.size();
  }
  url.append(url_template, from);
  return url;
}

std::optional<int> SearchSlot(const std::string& search_type) {
  int slot = -1;
  const char* end = search_type.data() + search_type.size();
  const auto [stop, error] = std::from_chars(search_type.data(), end, slot);
  if (error != std::errc() || stop != end || slot < 0 || slot >= kSearchEngineCount) return {};
  return slot;
}

}  // namespace lumetta
