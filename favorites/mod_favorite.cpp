#include "favorites/mod_favorite.h"

#include <dirent.h>
#include <glib.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "app/do_events.h"
#include "app/report_error.h"
#include "app/resume_next.h"
#include "favorites/favorite_commands.h"
#include "platform/favorite_files.h"
#include "platform/favorites_dialogs.h"
#include "platform/platform.h"
#include "platform/profile_strings.h"
#include "platform/shell_folders.h"
#include "platform/utf8.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {
namespace {

constexpr size_t kIniBufferSize = 2048;
constexpr size_t kCaptionLimit = 30;
constexpr size_t kCaptionKeep = 28;
constexpr std::string_view kShortcutText = ".url";
constexpr char kShortcutSection[] = "InternetShortcut";
constexpr char kShortcutKey[] = "URL";

// `text` without any occurrence of ".url", taken left to right as the runtime's Replace does.
std::string WithoutShortcutText(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  size_t from = 0;
  for (size_t at = text.find(kShortcutText); at != text.npos; at = text.find(kShortcutText, from)) {
    result.append(text.substr(from, at - from));
    from = at + kShortcutText.size();
  }
  result.append(text.substr(from));
  return result;
}

// A plain file: neither hidden (a leading ".") nor anything but a regular file, once symbolic
// links are followed.
bool IsPlainFile(DIR* dir, const dirent& entry) {
  if (entry.d_name[0] == '.') return false;
  if (entry.d_type == DT_REG) return true;
  if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) return false;
  struct stat info;
  return fstatat(dirfd(dir), entry.d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
}

void RemoveFavoriteEntries(frmMain& form) {
  std::vector<MenuItem*> entries;
  for (const auto& [index, entry] : form.mnuMainFavoriteUser) {
    if (index > 0) entries.push_back(entry.get());
  }
  form.mnuMainFavorite.ReadyToRemove(entries);
  // In creation order: the first entries sit nearest the head of the menu's child list.
  for (int index = 1; index <= form.mnuMainFavoriteUser.UBound(); ++index) {
    if (!form.mnuMainFavoriteUser.Exists(index)) continue;
    MenuItem& entry = form.mnuMainFavoriteUser(index);
    if (entry.Item().get_parent() != nullptr) form.mnuMainFavorite.Remove(entry);
  }
  form.GetControls().RemoveArrayMembers("mnuMainFavoriteUser", 1);
  while (form.mnuMainFavoriteUser.UBound() > 0) {
    form.mnuMainFavoriteUser.Unload(form.mnuMainFavoriteUser.UBound());
  }
}

void AddFavoriteEntry(frmMain& form, const std::string& folder, const std::string& file_name,
                      const std::string& display_name) {
  const std::string url = GetIniString(kShortcutSection, kShortcutKey, "", folder + file_name);
  if (url.empty()) return;
  const std::string name = WithoutShortcutText(display_name);
  const int index = form.mnuMainFavoriteUser.UBound() + 1;
  if (index > kMaxFavoriteEntries) {
    ReportError("LoadDirSubFavorite", kErrOverflow, "Overflow");
    return;
  }
  MenuItem& entry = form.mnuMainFavoriteUser.Load(index, "mnuMainFavoriteUser",
                                                  GetMenuCaption(name), MenuKind::kEntry);
  entry.SetVisible(true);
  entry.SetTag(url);
  form.GetControls().Add(entry);
  ConnectFavoriteEntry(form, entry);
}

}  // namespace

std::string GetFolderPath(frmMain&, int folder_id) {
  try {
    ShellFolders* folders = ThePlatform().shell_folders;
    return folders != nullptr ? folders->FolderPath(folder_id) : std::string();
  } catch (...) {
    ReportCurrentError("GetFolderPath");
    return {};
  }
}

std::string GetIniString(const std::string& section, const std::string& key,
                         const std::string& default_value, const std::string& file) {
  try {
    return TextFromWindows(ReadProfileString(section, key, default_value, file, kIniBufferSize));
  } catch (...) {
    return {};
  }
}

void SetIniString(const std::string& section, const std::string& key, const std::string& value,
                  const std::string& file) {
  WriteProfileString(section, key, value, file);
}

std::string GetMenuCaption(const std::string& name) {
  try {
    const char* end = nullptr;
    if (!g_utf8_validate(name.data(), static_cast<gssize>(name.size()), &end)) {
      throw std::invalid_argument("Invalid procedure call or argument");
    }
    // Lengths in UTF-16 code units: a character beyond the BMP counts two.
    size_t units = 0;
    size_t keep_bytes = 0;
    for (const char* p = name.data(); p < end; p = g_utf8_next_char(p)) {
      const size_t width = g_utf8_get_char(p) > 0xFFFF ? 2 : 1;
      units += width;
      if (units <= kCaptionKeep)
        keep_bytes = static_cast<size_t>(g_utf8_next_char(p) - name.data());
    }
    if (units < kCaptionLimit) return name;
    return name.substr(0, keep_bytes) + "...";
  } catch (...) {
    ReportCurrentError("GetMenuCaption");
    return {};
  }
}

void LoadAllFavorite(frmMain& form) {
  TrapStep("LoadAllFavorite", [&] { RemoveFavoriteEntries(form); });
  std::string folder;
  TrapStep("LoadAllFavorite", [&] { folder = GetFolderPath(form, kCsidlFavorites); });
  // Without a favorites folder the list stays empty: "/" alone would list the root folder.
  if (folder.empty()) return;
  folder += '/';
  const std::vector<std::string> folders{kFavoriteRootMarker};
  for (const std::string& name : folders) {
    TrapStep("LoadAllFavorite", [&] { LoadDirSubFavorite(form, folder, name); });
  }
}

void LoadDirSubFavorite(frmMain& form, const std::string& folder, const std::string& name) {
  const std::string path = name == kFavoriteRootMarker ? folder : folder + name + "/";
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(path.c_str()), closedir);
  if (!dir) {
    ReportFileError("LoadDirSubFavorite", errno);
    return;
  }
  // The file names with the names they show, listed as Windows lists a folder: by name, not in
  // the order this file system happens to keep them.
  std::vector<std::pair<std::string, std::string>> files;
  while (true) {
    errno = 0;
    const dirent* entry = readdir(dir.get());
    if (entry == nullptr) {
      if (errno != 0) ReportFileError("LoadDirSubFavorite", errno);
      break;
    }
    TrapStep("LoadDirSubFavorite", [&] {
      if (IsPlainFile(dir.get(), *entry))
        files.emplace_back(entry->d_name, DisplayFileName(entry->d_name));
    });
  }
  std::sort(files.begin(), files.end(),
            [](const auto& a, const auto& b) { return FavoriteNameLess(a.second, b.second); });
  for (const auto& [file_name, display_name] : files) {
    TrapStep("LoadDirSubFavorite", [&] { AddFavoriteEntry(form, path, file_name, display_name); });
  }
}

void PlaceFavoriteEntries(frmMain& form) {
  auto& entries = form.mnuMainFavoriteUser;
  const int count = entries.UBound();
  Gtk::Menu* menu = form.mnuMainFavorite.Submenu();
  // Entries join the menu all together, so the first tells whether they are in.
  if (count < 1 || menu == nullptr || !entries.Exists(1) ||
      entries(1).Item().get_parent() != nullptr) {
    return;
  }
  // Right below the hidden template, the last fixed item.
  int position = 0;
  for (Gtk::Widget* child : menu->get_children()) {
    ++position;
    if (child == &entries(0).Item()) break;
  }
  // Inserting in reverse at one fixed place keeps every insertion near the head of GTK's child
  // list; appending walks the whole list each time.
  for (int index = count; index >= 1; --index) {
    if (entries.Exists(index)) form.mnuMainFavorite.Insert(entries(index), position);
  }
  form.mnuMainFavorite.RestyleSubmenu();
}

std::string AddFavorite(frmMain& form, const std::string& title, const std::string& url) {
  ShellFolders* folders = ThePlatform().shell_folders;
  FavoritesDialogs* dialogs = ThePlatform().favorites_dialogs;
  if (folders == nullptr || dialogs == nullptr) return {};
  const std::string folder = folders->FolderPath(kCsidlFavorites);
  if (folder.empty()) return {};
  std::string path;
  {
    YieldScope modal;
    path = dialogs->AddFavorite(form.Window(), folder, title);
  }
  if (path.empty()) return {};
  SetIniString(kShortcutSection, kShortcutKey, url, path);
  return path;
}

}  // namespace lumetta
