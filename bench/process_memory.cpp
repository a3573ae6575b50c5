#include "process_memory.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace lumetta::bench {

namespace {

int ParentOf(int pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  std::getline(stat, line);
  const size_t close = line.rfind(')');
  if (close == std::string::npos) return -1;
  char state = 0;
  int parent = -1;
  std::sscanf(line.c_str() + close + 1, " %c %d", &state, &parent);
  return parent;
}

// The value of the line starting with `key` in a /proc file of "key: value kB" lines.
long KbField(const std::string& path, const std::string& key) {
  std::ifstream file(path);
  std::string line;
  while (std::getline(file, line)) {
    if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + key.size());
  }
  return 0;
}

}  // namespace

long OwnResidentKb() { return KbField("/proc/self/status", "VmRSS:"); }

long TreeResidentKb(int root) {
  std::set<int> tree = {root > 0 ? root : getpid()};
  bool grew = true;
  std::vector<int> pids;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename();
    if (std::all_of(name.begin(), name.end(), ::isdigit)) pids.push_back(std::stoi(name));
  }
  while (grew) {
    grew = false;
    for (int pid : pids) {
      if (!tree.count(pid) && tree.count(ParentOf(pid))) grew = tree.insert(pid).second;
    }
  }
  long total = 0;
  for (int pid : tree) total += KbField("/proc/" + std::to_string(pid) + "/smaps_rollup", "Pss:");
  return total;
}

}  // namespace lumetta::bench
