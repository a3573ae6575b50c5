#include "platform/favorite_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <gio/gio.h>
#include <glib.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "platform/trim.h"
#include "platform/utf8.h"

namespace lumetta {
namespace {

// The longest file name the usual Linux file systems take, in bytes.
constexpr size_t kMaxFileNameBytes = 255;
constexpr std::string_view kNewFolderName = "新建文件夹";

bool IsForbidden(unsigned char c) {
  return c < 0x20 || c == 0x7F || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
}

bool HasShortcutExtension(std::string_view name) {
  return name.size() > kShortcutExtension.size() &&
         g_ascii_strncasecmp(name.data() + name.size() - kShortcutExtension.size(),
                             kShortcutExtension.data(), kShortcutExtension.size()) == 0;
}

std::string BaseName(const std::string& path) {
  gchar* base = g_path_get_basename(path.c_str());
  std::string result(base);
  g_free(base);
  return result;
}

std::string DirName(const std::string& path) {
  gchar* dir = g_path_get_dirname(path.c_str());
  std::string result(dir);
  g_free(dir);
  return result;
}

FileChange RenameWithoutReplacing(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
    return FileChange::kDone;
  }
  if (errno == EEXIST) return FileChange::kExists;
  // File systems without RENAME_NOREPLACE: look first.
  if (errno != EINVAL && errno != ENOSYS) return FileChange::kFailed;
  struct stat info;
  if (lstat(to.c_str(), &info) == 0) return FileChange::kExists;
  return rename(from.c_str(), to.c_str()) == 0 ? FileChange::kDone : FileChange::kFailed;
}

std::string RealPath(const std::string& path) {
  char* real = realpath(path.c_str(), nullptr);
  if (real == nullptr) return {};
  std::string result(real);
  free(real);
  return result;
}

// Whether `path` is `folder` or lies below it.
bool IsWithin(const std::string& path, const std::string& folder) {
  return path == folder || (path.starts_with(folder) && path[folder.size()] == '/');
}

void AddFolders(const std::string& root, const std::string& folder, int depth,
                std::vector<FavoriteFolder>& folders) {
  folders.push_back({folder, depth});
  if (depth >= kMaxFolderDepth) return;
  for (const FavoriteItem& item : ListFavoriteItems(folder)) {
    if (item.is_folder && IsFolderToEnter(root, folder, item.path)) {
      AddFolders(root, item.path, depth + 1, folders);
    }
  }
}

}  // namespace

std::string FavoriteFileName(std::string_view name, std::string_view extension) {
  const std::string valid = ValidUtf8(name);
  std::string file_name(TrimWhitespace(valid));
  if (file_name.empty()) return {};
  for (char& c : file_name) {
    if (IsForbidden(static_cast<unsigned char>(c))) c = '_';
  }
  if (file_name.front() == '.') file_name.front() = '_';
  const size_t room = kMaxFileNameBytes - std::min(extension.size(), kMaxFileNameBytes);
  if (file_name.size() > room) {
    // Back to the start of the character the limit falls in.
    size_t end = room;
    while (end > 0 && (static_cast<unsigned char>(file_name[end]) & 0xC0) == 0x80) --end;
    file_name.resize(end);
  }
  return file_name + std::string(extension);
}

std::string FavoriteDisplayName(const std::string& file_name, bool is_folder) {
  std::string name = DisplayFileName(file_name);
  if (!is_folder && HasShortcutExtension(name))
    name.resize(name.size() - kShortcutExtension.size());
  return name;
}

bool FavoriteNameLess(std::string_view a, std::string_view b) {
  // In UTF-8 the order of the bytes is the order of the code points, and folding ASCII bytes
  // leaves the bytes of other characters alone.
  const auto folded_less = [](char x, char y) {
    return static_cast<unsigned char>(g_ascii_toupper(x)) <
           static_cast<unsigned char>(g_ascii_toupper(y));
  };
  if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), folded_less)) {
    return true;
  }
  if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), folded_less)) {
    return false;
  }
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
  });
}

std::vector<FavoriteItem> ListFavoriteItems(const std::string& folder) {
  std::vector<FavoriteItem> items;
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
  if (!dir) return items;
  while (const dirent* entry = readdir(dir.get())) {
    if (entry->d_name[0] == '.') continue;
    struct stat info;
    if (fstatat(dirfd(dir.get()), entry->d_name, &info, 0) != 0) continue;
    if (!S_ISDIR(info.st_mode) && !S_ISREG(info.st_mode)) continue;
    items.push_back({folder + "/" + entry->d_name, entry->d_name, S_ISDIR(info.st_mode)});
  }
  std::vector<std::pair<std::string, size_t>> names;
  names.reserve(items.size());
  for (size_t i = 0; i < items.size(); ++i) {
    names.emplace_back(FavoriteDisplayName(items[i].file_name, items[i].is_folder), i);
  }
  std::sort(names.begin(), names.end(), [&items](const auto& a, const auto& b) {
    if (items[a.second].is_folder != items[b.second].is_folder) return items[a.second].is_folder;
    return FavoriteNameLess(a.first, b.first);
  });
  std::vector<FavoriteItem> sorted;
  sorted.reserve(items.size());
  for (const auto& [name, i] : names) sorted.push_back(std::move(items[i]));
  return sorted;
}

bool IsFolderToEnter(const std::string& root, const std::string& parent,
                     const std::string& folder) {
  struct stat info;
  if (lstat(folder.c_str(), &info) != 0) return false;
  if (!S_ISLNK(info.st_mode)) return true;
  const std::string target = RealPath(folder);
  const std::string real_root = RealPath(root);
  if (target.empty() || real_root.empty()) return false;
  return IsWithin(target, real_root) && target != real_root && !IsWithin(RealPath(parent), target);
}

std::vector<FavoriteFolder> ListFavoriteFolders(const std::string& root) {
  std::vector<FavoriteFolder> folders;
  if (!root.empty()) AddFolders(root, root, 0, folders);
  return folders;
}

FileChange RenameFavorite(const std::string& path, std::string_view new_name,
                          std::string* new_path) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return FileChange::kFailed;
  const std::string old_name = BaseName(path);
  std::string extension;
  if (!S_ISDIR(info.st_mode) && HasShortcutExtension(old_name)) {
    extension = old_name.substr(old_name.size() - kShortcutExtension.size());
    if (HasShortcutExtension(new_name)) new_name.remove_suffix(kShortcutExtension.size());
  }
  const std::string file_name = FavoriteFileName(new_name, extension);
  if (file_name.empty()) return FileChange::kFailed;
  const std::string target = DirName(path) + "/" + file_name;
  const FileChange change =
      file_name == old_name ? FileChange::kDone : RenameWithoutReplacing(path, target);
  *new_path = target;
  return change;
}

FileChange MoveFavorite(const std::string& path, const std::string& folder, std::string* new_path) {
  const std::string target = folder + "/" + BaseName(path);
  const FileChange change =
      target == path ? FileChange::kDone : RenameWithoutReplacing(path, target);
  *new_path = target;
  return change;
}

std::string CreateFavoritesFolder(const std::string& parent) {
  for (int number = 1; number < 1000; ++number) {
    std::string path = parent + "/" + std::string(kNewFolderName);
    if (number > 1) path += " (" + std::to_string(number) + ")";
    if (mkdir(path.c_str(), 0777) == 0) return path;
    if (errno != EEXIST) break;
  }
  return {};
}

bool TrashFavorite(const std::string& path) {
  GFile* file = g_file_new_for_path(path.c_str());
  const bool trashed = g_file_trash(file, nullptr, nullptr);
  g_object_unref(file);
  return trashed;
}

bool DeleteFavorite(const std::string& path) {
  std::error_code error;
  std::filesystem::remove_all(path, error);
  return !error;
}

}  // namespace lumetta
