#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"

namespace lumetta::test {

// Records what would have been started instead of starting it.
class FakeProgramLauncher : public ProgramLauncher {
 public:
  struct Start {
    std::vector<std::string> argv;
    std::string working_folder;
  };

  bool Launch(const std::vector<std::string>& argv, const std::string& working_folder) override {
    starts.push_back({argv, working_folder});
    return succeed;
  }

  std::vector<Start> starts;
  bool succeed = true;
};

}  // namespace lumetta::test
