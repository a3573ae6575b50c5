#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"

namespace lumetta::test {

// Records what the window asks the shell to start, as "verb|file|parameters|folder|show" and
// "command line|style".
class FakeShell : public Shell {
 public:
  bool ShellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                    const std::string& directory, int show) override {
    calls.push_back(verb + "|" + file + "|" + parameters + "|" + directory + "|" +
                    std::to_string(show));
    return succeed;
  }
  bool RunCommandLine(const std::string& command_line, int window_style) override {
    calls.push_back(command_line + "|" + std::to_string(window_style));
    return succeed;
  }

  std::vector<std::string> calls;
  bool succeed = true;
};

}  // namespace lumetta::test
