#include "platform/command_line.h"

#include <glib.h>

#include "platform/internet_shortcut.h"

namespace lumetta {

namespace {

std::string PathOrAddress(const std::string& argument, const std::string& working_folder) {
  if (argument.empty() || g_path_is_absolute(argument.c_str())) return argument;
  if (g_uri_peek_scheme(argument.c_str()) != nullptr) return argument;
  if (!g_path_is_absolute(working_folder.c_str())) return argument;
  const std::string joined = working_folder + G_DIR_SEPARATOR_S + argument;
  if (!g_file_test(joined.c_str(), G_FILE_TEST_EXISTS)) return argument;
  gchar* full = g_canonicalize_filename(joined.c_str(), nullptr);
  std::string path(full);
  g_free(full);
  return path;
}

// The local file that `address` names, or "" for none.
std::string LocalFile(const std::string& address) {
  if (g_path_is_absolute(address.c_str())) return address;
  gchar* path = g_filename_from_uri(address.c_str(), nullptr, nullptr);
  std::string file = path != nullptr ? path : "";
  g_free(path);
  return file;
}

}  // namespace

std::string AddressFromArgument(const std::string& argument, const std::string& working_folder) {
  std::string address = PathOrAddress(argument, working_folder);
  const std::string file = LocalFile(address);
  if (file.empty()) return address;
  return ShortcutAddress(file).value_or(address);
}

}  // namespace lumetta
