#include "platform/stale_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <glib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <string_view>
#include <vector>

#include "platform/favorite_files.h"
#include "platform/file_io.h"
#include "platform/program_folder.h"
#include "platform/user_dirs.h"

namespace lumetta {
namespace {

using Dir = std::unique_ptr<DIR, int (*)(DIR*)>;

bool IsOpenedDownloadFolderName(std::string_view name) {
  constexpr std::string_view kPattern(kOpenedDownloadFolder);
  constexpr size_t kFixed = kPattern.size() - 6;
  if (name.size() != kPattern.size() || name.substr(0, kFixed) != kPattern.substr(0, kFixed)) {
    return false;
  }
  for (const char c : name.substr(kFixed)) {
    if (!g_ascii_isalnum(c)) return false;
  }
  return true;
}

bool IsOld(const struct stat& info, time_t now) {
  return now - info.st_mtime >= kStaleOpenedDownloadSeconds;
}

// Empties the opened download's folder `name` of `parent` and removes it, when all of it is old
// and holds no folder.
bool RemoveOpenedDownloadFolder(int parent, const char* name, time_t now) {
  const int fd = openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return false;
  const Dir dir(fdopendir(fd), closedir);
  if (!dir) {
    close(fd);
    return false;
  }
  struct stat info;
  if (fstat(fd, &info) != 0 || info.st_uid != geteuid() || !IsOld(info, now)) return false;
  std::vector<std::string> files;
  while (const dirent* entry = readdir(dir.get())) {
    const std::string_view file = entry->d_name;
    if (file == "." || file == "..") continue;
    struct stat file_info;
    if (fstatat(fd, entry->d_name, &file_info, AT_SYMLINK_NOFOLLOW) != 0 ||
        S_ISDIR(file_info.st_mode) || !IsOld(file_info, now)) {
      return false;
    }
    files.emplace_back(file);
  }
  for (const std::string& file : files) unlinkat(fd, file.c_str(), 0);
  return unlinkat(parent, name, AT_REMOVEDIR) == 0;
}

}  // namespace

int RemoveStaleOpenedDownloads(const std::string& temp_folder) {
  const Dir dir(opendir(temp_folder.c_str()), closedir);
  if (!dir) return 0;
  const time_t now = time(nullptr);
  int removed = 0;
  while (const dirent* entry = readdir(dir.get())) {
    if (IsOpenedDownloadFolderName(entry->d_name) &&
        RemoveOpenedDownloadFolder(dirfd(dir.get()), entry->d_name, now)) {
      ++removed;
    }
  }
  return removed;
}

void RemoveStaleFiles(const std::string& favorites_folder) {
  for (const std::string& folder : {UserConfigDir() + "/lumetta", UserDataDir() + "/lumetta",
                                    UserCacheDir() + "/lumetta", ProgramFolder()}) {
    RemoveStaleTempFiles(folder);
  }
  // A favorite may be added to any folder of the favorites.
  if (!favorites_folder.empty()) {
    for (const FavoriteFolder& folder : ListFavoriteFolders(favorites_folder)) {
      RemoveStaleTempFiles(folder.path);
    }
  }
  RemoveStaleOpenedDownloads(g_get_tmp_dir());
}

}  // namespace lumetta
