#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumetta {

// The files of the favorites folder as the favorites dialogs handle them.

inline constexpr std::string_view kShortcutExtension = ".url";

// A file name for a favorite called `name`, with `extension` added. Characters that file names
// may not hold here or on Windows (/ \ : * ? " < > | and control characters) become "_", and so
// does a leading "." (it would hide the file); blanks around the name go, and the name is cut,
// never inside a character, so that the whole fits in 255 bytes. "" when the name is blank.
std::string FavoriteFileName(std::string_view name, std::string_view extension);

// A file or folder name as the dialogs show it: its display form, without the extension of a
// shortcut file.
std::string FavoriteDisplayName(const std::string& file_name, bool is_folder);

// Whether the name `a` comes before `b` in a folder listed as Windows lists it: by code point,
// ASCII letters compared as capitals; names that differ only in the case of their letters then
// by code point as they are.
bool FavoriteNameLess(std::string_view a, std::string_view b);

// A file or folder directly in a folder.
struct FavoriteItem {
  std::string path;
  std::string file_name;
  bool is_folder = false;
};

// The folders and files directly in `folder`, hidden ones (a leading ".") and anything that is
// neither a folder nor a file left out; folders first, each group in the order of the names
// they show (FavoriteNameLess).
std::vector<FavoriteItem> ListFavoriteItems(const std::string& folder);

struct FavoriteFolder {
  std::string path;
  int depth = 0;  // 0 for `root` itself
};

// How deep the dialogs look into folders.
inline constexpr int kMaxFolderDepth = 8;

// Whether the dialogs go into `folder`, an entry of `parent` in the favorites folder `root`. A
// symbolic link is followed only to a folder inside `root` that is neither `parent` nor one of
// its ancestors: a link to the home folder, or back up the tree, would make them run away.
bool IsFolderToEnter(const std::string& root, const std::string& parent, const std::string& folder);

// `root` and the folders below it that the dialogs go into, down to kMaxFolderDepth levels,
// depth first.
std::vector<FavoriteFolder> ListFavoriteFolders(const std::string& root);

enum class FileChange { kDone, kExists, kFailed };

// Renames a file or folder within its folder to `new_name`, made a valid file name; a
// shortcut keeps its extension. Nothing is ever replaced. `new_path` gets the path it has after.
FileChange RenameFavorite(const std::string& path, std::string_view new_name,
                          std::string* new_path);
// Moves a file or folder into `folder`, under the same name; nothing is ever replaced.
FileChange MoveFavorite(const std::string& path, const std::string& folder, std::string* new_path);
// Creates a folder named "新建文件夹", or "新建文件夹 (2)" and so on, in `parent`; gives its path,
// or "" when it could not.
std::string CreateFavoritesFolder(const std::string& parent);
// Moves a file or folder to the desktop's trash.
bool TrashFavorite(const std::string& path);
// Deletes a file, or a folder with everything in it, for good.
bool DeleteFavorite(const std::string& path);

}  // namespace lumetta
