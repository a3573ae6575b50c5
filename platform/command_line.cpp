#include "platform/command_line.h"

#include <glib.h>

#include "platform/internet_shortcut.h"
#include "platform/utf8.h"

namespace lumetta {

namespace {

std::string FileUri(const std::string& path) {
  gchar* full = g_canonicalize_filename(path.c_str(), nullptr);
  gchar* uri = g_filename_to_uri(full, nullptr, nullptr);
  g_free(full);
  if (uri == nullptr) return path;
  std::string result(uri);
  g_free(uri);
  return result;
}

std::string PathOrAddress(const std::string& argument, const std::string& working_folder) {
  if (argument.empty()) return argument;
  // A file name that is not UTF-8 (one from a Chinese Windows) cannot be text in the address
  // box: the file's address says it in escapes. Other such text becomes text.
  if (!g_utf8_validate(argument.data(), static_cast<gssize>(argument.size()), nullptr)) {
    if (g_path_is_absolute(argument.c_str())) return FileUri(argument);
    const std::string joined = working_folder + G_DIR_SEPARATOR_S + argument;
    const bool is_file = g_path_is_absolute(working_folder.c_str()) &&
                         g_file_test(joined.c_str(), G_FILE_TEST_EXISTS);
    return is_file ? FileUri(joined) : ValidUtf8(argument);
  }
  if (g_path_is_absolute(argument.c_str())) return argument;
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
