#include "platform/internet_shortcut.h"

#include <sys/stat.h>

#include <utility>

#include "platform/profile_strings.h"
#include "platform/utf8.h"

namespace lumetta {

namespace {

constexpr off_t kMaxShortcutBytes = 64 * 1024;
// As much of the address as the favorites menu keeps.
constexpr size_t kAddressBuffer = 2048;

}  // namespace

std::optional<std::string> ShortcutAddress(const std::string& path) {
  // A page or a video named on the command line is not read through for a shortcut's section.
  struct stat info;
  if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
      info.st_size > kMaxShortcutBytes) {
    return std::nullopt;
  }
  std::string bytes = ReadProfileString("InternetShortcut", "URL", "", path, kAddressBuffer);
  if (bytes.empty()) return std::nullopt;
  return TextFromWindows(std::move(bytes));
}

}  // namespace lumetta
