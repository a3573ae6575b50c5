#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/shell_folders.h"

namespace lumetta::test {

// Special folders a test chooses: the favorites folder is `favorites`, every other id has none.
class FakeShellFolders : public ShellFolders {
 public:
  std::string FolderPath(int folder_id) override {
    asked.push_back(folder_id);
    if (!failure.empty()) throw std::runtime_error(failure);
    return folder_id == kCsidlFavorites ? favorites : std::string();
  }

  std::string favorites;
  // When set, every lookup throws it.
  std::string failure;
  // The ids asked for, in order.
  std::vector<int> asked;
};

}  // namespace lumetta::test
