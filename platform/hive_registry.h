#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace lumetta {

// The registry as .reg files: HKEY_CURRENT_USER comes from the user hive, HKEY_LOCAL_MACHINE
// from the first machine hive candidate that exists. Files are read again on every query, so
// edits take effect while the program runs.
class HiveRegistry : public Registry {
 public:
  HiveRegistry(std::string user_hive_path, std::vector<std::string> machine_hive_candidates);

  // $XDG_CONFIG_HOME/lumetta/user.reg, and lumetta/machine.reg under each of $XDG_CONFIG_DIRS,
  // as the environment says at the time of the call.
  static std::unique_ptr<HiveRegistry> ForThisUser();

  std::optional<RegData> QueryValue(uint32_t root, std::string_view key_path,
                                    std::string_view value_name) override;

  // The file HKEY_CURRENT_USER comes from.
  const std::string& UserHivePath() const { return user_hive_path_; }

 private:
  std::string user_hive_path_;
  std::vector<std::string> machine_hive_candidates_;
};

}  // namespace lumetta
