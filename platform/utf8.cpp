#include "platform/utf8.h"

#include <glib.h>

namespace lumetta {

std::string ValidUtf8(std::string_view text) {
  if (text.empty()) return {};
  gchar* valid = g_utf8_make_valid(text.data(), static_cast<gssize>(text.size()));
  std::string result(valid);
  g_free(valid);
  return result;
}

}  // namespace lumetta
