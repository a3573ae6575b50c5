#include "engine/page_file_name.h"

#include <glib.h>

#include <algorithm>
#include <string_view>

#include "platform/utf8.h"

namespace lumetta {

namespace {

constexpr size_t kMaxNameBytes = 255;
constexpr char kUntitled[] = "无标题";
constexpr std::string_view kRefused = "/\\:*?\"<>|";

bool IsTrimmed(gunichar c) { return c == '.' || g_unichar_isspace(c); }

}  // namespace

std::string PageFileName(const std::string& title, const std::string& extension) {
  std::string name;
  std::string raw = title;
  std::replace(raw.begin(), raw.end(), '\0', '_');
  const std::string text = ValidUtf8(raw);
  for (const char* p = text.c_str(); p < text.c_str() + text.size(); p = g_utf8_next_char(p)) {
    const gunichar c = g_utf8_get_char(p);
    if (c < 0x20 || c == 0x7F || kRefused.find(static_cast<char>(c)) != kRefused.npos) {
      name += '_';
    } else {
      name.append(p, static_cast<size_t>(g_utf8_next_char(p) - p));
    }
  }
  // Trailing characters go first, so that cutting to length cannot leave a trailing dot.
  const auto trim_end = [&name] {
    while (!name.empty()) {
      const char* last = g_utf8_find_prev_char(name.c_str(), name.c_str() + name.size());
      if (!IsTrimmed(g_utf8_get_char(last))) break;
      name.resize(static_cast<size_t>(last - name.c_str()));
    }
  };
  size_t start = 0;
  while (start < name.size() && IsTrimmed(g_utf8_get_char(name.c_str() + start))) {
    start = static_cast<size_t>(g_utf8_next_char(name.c_str() + start) - name.c_str());
  }
  name.erase(0, start);
  trim_end();
  if (name.empty()) name = kUntitled;
  const size_t room = kMaxNameBytes - extension.size();
  if (name.size() > room) {
    const char* cut = name.c_str() + room;
    while (cut > name.c_str() && (static_cast<unsigned char>(*cut) & 0xC0) == 0x80) --cut;
    name.resize(static_cast<size_t>(cut - name.c_str()));
    trim_end();
  }
  return name + extension;
}

}  // namespace lumetta
