#pragma once

#include <glib.h>

#include <string>

namespace lumetta::test {

// `utf8` as UTF-16LE bytes, without a byte-order mark.
inline std::string Utf16Le(const std::string& utf8) {
  glong units = 0;
  gunichar2* wide =
      g_utf8_to_utf16(utf8.data(), static_cast<glong>(utf8.size()), nullptr, &units, nullptr);
  std::string bytes;
  for (glong i = 0; i < units; ++i) {
    bytes += static_cast<char>(wide[i] & 0xff);
    bytes += static_cast<char>(wide[i] >> 8);
  }
  g_free(wide);
  return bytes;
}

}  // namespace lumetta::test
