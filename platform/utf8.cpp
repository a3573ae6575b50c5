#include "platform/utf8.h"

#include <glib.h>

#include <cstdint>

namespace lumetta {

std::string ValidUtf8(std::string_view text) {
  if (text.empty()) return {};
  gchar* valid = g_utf8_make_valid(text.data(), static_cast<gssize>(text.size()));
  std::string result(valid);
  g_free(valid);
  return result;
}

std::string Utf16LeToUtf8(std::string_view bytes) {
  const size_t units = bytes.size() / 2;
  auto unit = [&bytes](size_t i) -> gunichar {
    return static_cast<uint8_t>(bytes[2 * i]) | static_cast<uint8_t>(bytes[2 * i + 1]) << 8;
  };
  std::string out;
  out.reserve(units);
  for (size_t i = 0; i < units; ++i) {
    gunichar c = unit(i);
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units) {
      const gunichar low = unit(i + 1);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    if (c >= 0xD800 && c <= 0xDFFF) c = 0xFFFD;
    char buf[6];
    out.append(buf, g_unichar_to_utf8(c, buf));
  }
  return out;
}

std::string Utf8ToUtf16Le(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  auto put = [&out](gunichar unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
  };
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end) {
    gunichar c = g_utf8_get_char_validated(p, end - p);
    if (c == static_cast<gunichar>(-1) || c == static_cast<gunichar>(-2)) {
      c = 0xFFFD;
      ++p;
    } else {
      p = g_utf8_next_char(p);
    }
    if (c >= 0x10000) {
      c -= 0x10000;
      put(0xD800 + (c >> 10));
      put(0xDC00 + (c & 0x3FF));
    } else {
      put(c);
    }
  }
  return out;
}

std::string DisplayFileName(const std::string& file_name) {
  if (g_utf8_validate(file_name.data(), static_cast<gssize>(file_name.size()), nullptr)) {
    return file_name;
  }
  if (std::optional<std::string> text = FromGb18030(file_name)) return *text;
  gchar* display = g_filename_display_name(file_name.c_str());
  std::string text(display);
  g_free(display);
  return text;
}

std::optional<std::string> FromGb18030(std::string_view bytes) {
  gsize written = 0;
  gchar* converted = g_convert(bytes.data(), static_cast<gssize>(bytes.size()), "UTF-8", "GB18030",
                               nullptr, &written, nullptr);
  if (converted == nullptr) return std::nullopt;
  std::string out(converted, written);
  g_free(converted);
  return out;
}

std::string TextFromWindows(std::string bytes) {
  if (g_utf8_validate(bytes.data(), static_cast<gssize>(bytes.size()), nullptr)) return bytes;
  if (std::optional<std::string> text = FromGb18030(bytes)) return *text;
  return ValidUtf8(bytes);
}

}  // namespace lumetta
