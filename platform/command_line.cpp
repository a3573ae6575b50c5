#include "platform/command_line.h"

#include <glib.h>

namespace lumetta {

std::string AddressFromArgument(const std::string& argument) {
  if (argument.empty() || g_path_is_absolute(argument.c_str())) return argument;
  if (g_uri_peek_scheme(argument.c_str()) != nullptr) return argument;
  if (!g_file_test(argument.c_str(), G_FILE_TEST_EXISTS)) return argument;
  gchar* full = g_canonicalize_filename(argument.c_str(), nullptr);
  std::string path(full);
  g_free(full);
  return path;
}

}  // namespace lumetta
