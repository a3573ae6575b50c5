#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"

namespace lumetta::test {

// Records the files the shell was asked to open instead of starting anything.
class FakeShell : public Shell {
 public:
  struct Execute {
    std::string verb;
    std::string file;
    std::string parameters;
    std::string directory;
    int show = 0;
  };

  bool ShellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                    const std::string& directory, int show) override {
    executes.push_back({verb, file, parameters, directory, show});
    return true;
  }
  bool RunCommandLine(const std::string&, int) override { return false; }

  std::vector<Execute> executes;
};

}  // namespace lumetta::test
