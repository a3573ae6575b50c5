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

std::string PathOrAddress(const std::string& argument) {
  if (argument.empty()) return argument;
  const bool is_utf8 =
      g_utf8_validate(argument.data(), static_cast<gssize>(argument.size()), nullptr);
  // A file name that is not UTF-8 (one from a Chinese Windows) cannot be text in the address
  // box: the file's address says it in escapes. Other such text becomes text.
  if (!is_utf8) {
    const bool is_file =
        g_path_is_absolute(argument.c_str()) || g_file_test(argument.c_str(), G_FILE_TEST_EXISTS);
    return is_file ? FileUri(argument) : ValidUtf8(argument);
  }
  if (g_path_is_absolute(argument.c_str())) return argument;
  if (g_uri_peek_scheme(argument.c_str()) != nullptr) return argument;
  if (!g_file_test(argument.c_str(), G_FILE_TEST_EXISTS)) return argument;
  gchar* full = g_canonicalize_filename(argument.c_str(), nullptr);
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

std::string AddressFromArgument(const std::string& argument) {
  std::string address = PathOrAddress(argument);
  const std::string file = LocalFile(address);
  if (file.empty()) return address;
  return ShortcutAddress(file).value_or(address);
}

}  // namespace lumetta
