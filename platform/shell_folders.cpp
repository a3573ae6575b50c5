#include "platform/shell_folders.h"

#include <glib.h>
#include <glib/gstdio.h>

namespace lumetta {
namespace {

std::string DataHome() {
  const char* data_home = g_getenv("XDG_DATA_HOME");
  if (data_home != nullptr && g_path_is_absolute(data_home)) return data_home;
  const char* home = g_getenv("HOME");
  return std::string(home != nullptr && *home != '\0' ? home : g_get_home_dir()) + "/.local/share";
}

}  // namespace

std::string XdgShellFolders::FolderPath(int folder_id) {
  if (folder_id != kCsidlFavorites) return {};
  std::string data_home = DataHome();
  while (data_home.size() > 1 && data_home.back() == '/') data_home.pop_back();
  const std::string path = (data_home == "/" ? "" : data_home) + "/lumetta/Favorites";
  // Favorites are private to the user, as the rest of the profile.
  if (g_mkdir_with_parents(path.c_str(), 0700) != 0) return {};
  return g_file_test(path.c_str(), G_FILE_TEST_IS_DIR) ? path : std::string();
}

}  // namespace lumetta
