#include "tests/support/web_processes.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace lumetta::test {

namespace {

// The parent of `pid` from /proc/PID/stat, whose second field (the name) may hold blanks.
pid_t ParentOf(const std::string& pid) {
  std::ifstream file("/proc/" + pid + "/stat");
  std::string stat((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const size_t name_end = stat.rfind(')');
  if (name_end == std::string::npos) return 0;
  std::istringstream rest(stat.substr(name_end + 2));
  char state = 0;
  pid_t parent = 0;
  rest >> state >> parent;
  return parent;
}

bool IsWebProcess(pid_t pid) {
  std::ifstream file("/proc/" + std::to_string(pid) + "/cmdline");
  std::string program;
  std::getline(file, program, '\0');
  return program.ends_with("WebKitWebProcess");
}

}  // namespace

std::set<pid_t> WebProcesses() {
  std::multimap<pid_t, pid_t> children;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    children.emplace(ParentOf(name), std::stoi(name));
  }
  std::set<pid_t> found;
  std::vector<pid_t> pending = {getpid()};
  while (!pending.empty()) {
    const pid_t parent = pending.back();
    pending.pop_back();
    const auto [first, last] = children.equal_range(parent);
    for (auto it = first; it != last; ++it) {
      if (IsWebProcess(it->second)) found.insert(it->second);
      pending.push_back(it->second);
    }
  }
  return found;
}

}  // namespace lumetta::test
