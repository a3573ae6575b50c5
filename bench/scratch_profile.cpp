#include "scratch_profile.h"

#include <stdlib.h>  // mkdtemp
#include <unistd.h>  // environ

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <system_error>

namespace lumetta::bench {
namespace {

struct XdgFolder {
  std::string_view variable;
  std::string_view folder;
};

constexpr std::array<XdgFolder, 3> kXdgFolders{{
    {"XDG_CONFIG_HOME", "config"},
    {"XDG_DATA_HOME", "data"},
    {"XDG_CACHE_HOME", "cache"},
}};

bool SetsXdgFolder(std::string_view entry) {
  const std::string_view name = entry.substr(0, entry.find('='));
  return std::ranges::any_of(kXdgFolders,
                             [name](const XdgFolder& xdg) { return xdg.variable == name; });
}

}  // namespace

ScratchProfile::ScratchProfile() {
  std::error_code ec;
  const std::filesystem::path temp = std::filesystem::temp_directory_path(ec);
  if (ec) {
    error_ = "no folder for temporary files: " + ec.message();
    return;
  }
  std::string name = (temp / "lumetta-bench-XXXXXX").string();
  if (mkdtemp(name.data()) == nullptr) {
    error_ = "cannot create " + name + ": " + std::strerror(errno);
    return;
  }
  root_ = name;
  for (const XdgFolder& xdg : kXdgFolders) {
    std::filesystem::create_directory(root_ / xdg.folder, ec);
    if (ec) {
      error_ = "cannot create " + (root_ / xdg.folder).string() + ": " + ec.message();
      return;
    }
  }
}

ScratchProfile::~ScratchProfile() {
  if (root_.empty()) return;
  std::error_code ec;
  std::filesystem::remove_all(root_, ec);
}

std::vector<std::string> ScratchProfile::Environment() const {
  std::vector<std::string> env;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (!SetsXdgFolder(*entry)) env.emplace_back(*entry);
  }
  for (const XdgFolder& xdg : kXdgFolders) {
    env.push_back(std::string(xdg.variable) + "=" + (root_ / xdg.folder).string());
  }
  return env;
}

}  // namespace lumetta::bench
