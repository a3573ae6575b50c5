#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace lumetta::test {

// The engine's web processes below this process, found by their parents.
inline std::vector<pid_t> WebProcesses() {
  std::map<pid_t, pid_t> parents;
  std::map<pid_t, std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const pid_t pid = static_cast<pid_t>(std::atoi(entry.path().filename().c_str()));
    if (pid <= 0) continue;
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    if (!std::getline(stat, line)) continue;
    // "PID (NAME) STATE PPID ...", where NAME may hold blanks and parentheses.
    const size_t open = line.find('(');
    const size_t close = line.rfind(')');
    if (open == std::string::npos || close == std::string::npos) continue;
    names[pid] = line.substr(open + 1, close - open - 1);
    parents[pid] = static_cast<pid_t>(std::atoi(line.c_str() + close + 4));
  }
  std::vector<pid_t> found;
  for (const auto& [pid, name] : names) {
    if (name != "WebKitWebProces") continue;
    for (pid_t up = parents[pid]; up > 1; up = parents[up]) {
      if (up == getpid()) {
        found.push_back(pid);
        break;
      }
    }
  }
  return found;
}

}  // namespace lumetta::test
