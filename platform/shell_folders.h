#pragma once

#include <memory>
#include <string>

namespace lumetta {

// The shell's special-folder id of the user's Internet favorites (CSIDL_FAVORITES).
inline constexpr int kCsidlFavorites = 6;

// The user's special folders, by shell folder id.
class ShellFolders {
 public:
  ShellFolders() = default;
  ShellFolders(const ShellFolders&) = delete;
  ShellFolders& operator=(const ShellFolders&) = delete;
  virtual ~ShellFolders() = default;

  // The folder's path without a trailing "/", or "" when there is no such folder.
  virtual std::string FolderPath(int folder_id) = 0;
};

// The favorites are $XDG_DATA_HOME/lumetta/Favorites, as the environment says at the time of
// the call, created on first lookup. Other folder ids have no folder.
class XdgShellFolders : public ShellFolders {
 public:
  std::string FolderPath(int folder_id) override;
};

}  // namespace lumetta
