#pragma once

#include <string>
#include <vector>

#include "platform/shell_folders.h"

namespace lumetta::test {

// Special folders a test chooses: the favorites folder is `favorites`, every other id has none.
class FakeShellFolders : public ShellFolders {
 public:
  std::string FolderPath(int folder_id) override {
    asked.push_back(folder_id);
    return folder_id == kCsidlFavorites ? favorites : std::string();
  }

  std::string favorites;
  // The ids asked for, in order.
  std::vector<int> asked;
};

}  // namespace lumetta::test
