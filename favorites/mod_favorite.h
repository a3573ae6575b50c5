#pragma once

#include <string>

namespace lumetta {

class frmMain;

// The folder marker that LoadAllFavorite passes for the favorites folder itself.
inline constexpr char kFavoriteRootMarker[] = "IDROOT";
// Menu indexes are 16-bit: a window lists at most this many favorites.
inline constexpr int kMaxFavoriteEntries = 32767;

// The shell's special folder `folder_id` without a trailing "/", or "" when there is none.
// Failures are reported as "GetFolderPath".
std::string GetFolderPath(frmMain& owner, int folder_id);

// `key` of `section` in the profile file `file` as text, at most 2047 bytes; "" for a missing
// file, section or key (callers pass "" as the default). Never reports.
std::string GetIniString(const std::string& section, const std::string& key,
                         const std::string& default_value, const std::string& file);
// Writes `key` of `section` in the profile file `file`, keeping the rest of the file.
void SetIniString(const std::string& section, const std::string& key, const std::string& value,
                  const std::string& file);

// A favorite's menu caption: the name itself when shorter than 30 UTF-16 code units, else its
// first 28 units and "..."; 27 units when the 28th would split a surrogate pair. Failures are
// reported as "GetMenuCaption" and give "".
std::string GetMenuCaption(const std::string& name);

// Rebuilds the window's favorites list, mnuMainFavoriteUser(1...n), from the shortcuts at the
// top level of the favorites folder. Failures are reported as "LoadAllFavorite" and the rebuild
// goes on with its next step.
void LoadAllFavorite(frmMain& form);
// Adds an entry to the window's list for each shortcut directly in `folder` (ending in "/"),
// or in its sub-folder `name` unless that is kFavoriteRootMarker, in the order of their names as
// Windows lists a folder (FavoriteNameLess).
// Failures are reported as "LoadDirSubFavorite"; a shortcut that fails does not end the listing.
void LoadDirSubFavorite(frmMain& form, const std::string& folder, const std::string& name);

// Puts the window's favorites entries into its Favorites menu, if they are not there yet. The
// widgets join the menu only when it opens, so that a long list does not slow the window's load.
void PlaceFavoriteEntries(frmMain& form);

// Shows the Add Favorite dialog proposing `title`; on OK writes `url` into the shortcut file
// chosen and gives its path. "" when cancelled or when there is no favorites folder.
std::string AddFavorite(frmMain& form, const std::string& title, const std::string& url);

}  // namespace lumetta
