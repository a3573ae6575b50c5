#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"

namespace lumetta::test {

// Records what the shell was asked to start instead of starting it.
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
  bool RunCommandLine(const std::string& command_line, int) override {
    command_lines.push_back(command_line);
    return true;
  }

  std::vector<Execute> executes;
  std::vector<std::string> command_lines;
};

}  // namespace lumetta::test
