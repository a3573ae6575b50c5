#include "platform/trim.h"

#include <glib.h>

#include <algorithm>

namespace lumetta {

namespace {

constexpr std::string_view kSpace = " ";
constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";
// The longest UTF-8 sequence.
constexpr size_t kMaxCharBytes = 4;

// The length in bytes of the white space character `text` starts with; 0 when it starts with
// anything else.
size_t LeadingWhitespaceBytes(std::string_view text) {
  if (text.empty()) return 0;
  const auto length = static_cast<gssize>(std::min(text.size(), kMaxCharBytes));
  const gunichar c = g_utf8_get_char_validated(text.data(), length);
  if (c == static_cast<gunichar>(-1) || c == static_cast<gunichar>(-2) || !g_unichar_isspace(c)) {
    return 0;
  }
  return static_cast<size_t>(g_utf8_skip[static_cast<unsigned char>(text[0])]);
}

// The same for the character `text` ends with.
size_t TrailingWhitespaceBytes(std::string_view text) {
  size_t start = text.size();
  while (start > 0 && text.size() - start < kMaxCharBytes) {
    --start;
    if ((static_cast<unsigned char>(text[start]) & 0xC0) != 0x80) break;
  }
  const std::string_view last = text.substr(start);
  const size_t length = LeadingWhitespaceBytes(last);
  return length == last.size() ? length : 0;
}

}  // namespace

std::string_view TrimSpaces(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string_view TrimSpacesAndIdeographicSpaces(std::string_view text) {
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    for (const std::string_view blank : {kSpace, kIdeographicSpace}) {
      if (text.starts_with(blank)) {
        text.remove_prefix(blank.size());
        trimmed = true;
      }
      if (text.ends_with(blank)) {
        text.remove_suffix(blank.size());
        trimmed = true;
      }
    }
  }
  return text;
}

std::string_view TrimWhitespace(std::string_view text) {
  return TrimTrailingWhitespace(TrimLeadingWhitespace(text));
}

std::string_view TrimLeadingWhitespace(std::string_view text) {
  while (const size_t length = LeadingWhitespaceBytes(text)) text.remove_prefix(length);
  return text;
}

std::string_view TrimTrailingWhitespace(std::string_view text) {
  while (const size_t length = TrailingWhitespaceBytes(text)) text.remove_suffix(length);
  return text;
}

}  // namespace lumetta
