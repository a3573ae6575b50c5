#include "platform/hive_registry.h"

#include <glib.h>

#include <utility>

#include "platform/file_io.h"
#include "platform/reg_hive.h"
#include "platform/user_dirs.h"

namespace lumetta {
namespace {

// Regular files only: a FIFO or device in the hive's place must not block or flood us.
std::optional<std::string> ReadHive(const std::string& path) {
  std::string bytes;
  if (ReadRegularFile(path, kMaxHiveBytes, bytes) != ReadStatus::kRead) return std::nullopt;
  return bytes;
}

bool IsAbsolute(const char* path) { return path != nullptr && g_path_is_absolute(path); }

}  // namespace

HiveRegistry::HiveRegistry(std::string user_hive_path,
                           std::vector<std::string> machine_hive_candidates)
    : user_hive_path_(std::move(user_hive_path)),
      machine_hive_candidates_(std::move(machine_hive_candidates)) {}

std::unique_ptr<HiveRegistry> HiveRegistry::ForThisUser() {
  const std::string user_dir = UserConfigDir();

  std::vector<std::string> machine_candidates;
  const char* config_dirs = g_getenv("XDG_CONFIG_DIRS");
  if (config_dirs == nullptr || *config_dirs == '\0') config_dirs = "/etc/xdg";
  gchar** dirs = g_strsplit(config_dirs, ":", -1);
  for (gchar** dir = dirs; *dir != nullptr; ++dir) {
    if (IsAbsolute(*dir)) machine_candidates.push_back(std::string(*dir) + "/lumetta/machine.reg");
  }
  g_strfreev(dirs);

  return std::make_unique<HiveRegistry>(user_dir + "/lumetta/user.reg",
                                        std::move(machine_candidates));
}

std::optional<RegData> HiveRegistry::QueryValue(uint32_t root, std::string_view key_path,
                                                std::string_view value_name) {
  try {
    const std::string* hive = nullptr;
    std::string full_path;
    if (root == kHKeyCurrentUser) {
      hive = &user_hive_path_;
      full_path = "HKEY_CURRENT_USER\\";
    } else if (root == kHKeyLocalMachine) {
      for (const std::string& candidate : machine_hive_candidates_) {
        if (g_file_test(candidate.c_str(), G_FILE_TEST_EXISTS)) {
          hive = &candidate;
          break;
        }
      }
      full_path = "HKEY_LOCAL_MACHINE\\";
    }
    if (hive == nullptr) return std::nullopt;
    const std::optional<std::string> bytes = ReadHive(*hive);
    if (!bytes) return std::nullopt;
    full_path += key_path;
    return FindRegValue(*bytes, full_path, value_name);
  } catch (...) {
    return std::nullopt;
  }
}

}  // namespace lumetta
