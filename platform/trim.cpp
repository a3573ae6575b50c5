#include "platform/trim.h"

#include <string_view>

namespace lumetta {

namespace {

constexpr std::string_view kSpace = " ";
constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";

}  // namespace

std::string TrimSpaces(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string TrimKeyword(const std::string& text) {
  std::string_view rest = text;
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    for (const std::string_view blank : {kSpace, kIdeographicSpace}) {
      if (rest.starts_with(blank)) {
        rest.remove_prefix(blank.size());
        trimmed = true;
      }
      if (rest.ends_with(blank)) {
        rest.remove_suffix(blank.size());
        trimmed = true;
      }
    }
  }
  return std::string(rest);
}

}  // namespace lumetta
