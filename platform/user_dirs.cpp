#include "platform/user_dirs.h"

#include <glib.h>

namespace lumetta {
namespace {

std::string XdgDir(const char* variable, const char* fallback_below_home) {
  const char* value = g_getenv(variable);
  if (value != nullptr && g_path_is_absolute(value)) return value;
  return HomeDir() + fallback_below_home;
}

}  // namespace

std::string HomeDir() {
  const char* home = g_getenv("HOME");
  return home != nullptr && *home != '\0' ? home : g_get_home_dir();
}

std::string UserConfigDir() { return XdgDir("XDG_CONFIG_HOME", "/.config"); }

std::string UserDataDir() { return XdgDir("XDG_DATA_HOME", "/.local/share"); }

std::string UserCacheDir() { return XdgDir("XDG_CACHE_HOME", "/.cache"); }

std::string UserDownloadDir() {
  const char* dir = g_get_user_special_dir(G_USER_DIRECTORY_DOWNLOAD);
  if (dir != nullptr && g_file_test(dir, G_FILE_TEST_IS_DIR)) return dir;
  return HomeDir();
}

}  // namespace lumetta
