#include "platform/shell_folders.h"

#include <glib.h>
#include <glib/gstdio.h>

#include "platform/user_dirs.h"

namespace lumetta {

std::string XdgShellFolders::FolderPath(int folder_id) {
  if (folder_id != kCsidlFavorites) return {};
  std::string data_home = UserDataDir();
  while (data_home.size() > 1 && data_home.back() == '/') data_home.pop_back();
  const std::string path = (data_home == "/" ? "" : data_home) + "/lumetta/Favorites";
  // Favorites are private to the user, as the rest of the profile.
  if (g_mkdir_with_parents(path.c_str(), 0700) != 0) return {};
  return g_file_test(path.c_str(), G_FILE_TEST_IS_DIR) ? path : std::string();
}

}  // namespace lumetta
