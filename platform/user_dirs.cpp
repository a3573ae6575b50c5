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

}  // namespace lumetta
