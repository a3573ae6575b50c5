#pragma once

#include <string>

namespace lumetta {

// The user's folders as the environment says at the time of the call (GLib's own lookups are
// fixed at the first call). A relative XDG value is invalid and ignored, as the XDG rules say.

// $HOME, else the home folder of the user's account.
std::string HomeDir();
// $XDG_CONFIG_HOME, else ~/.config.
std::string UserConfigDir();
// $XDG_DATA_HOME, else ~/.local/share.
std::string UserDataDir();
// $XDG_CACHE_HOME, else ~/.cache.
std::string UserCacheDir();
// The user's download folder (XDG_DOWNLOAD_DIR, as GLib read it at its first lookup), else the
// home folder when there is none.
std::string UserDownloadDir();

}  // namespace lumetta
