#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace lumetta::bench {

// A fresh temporary home for one run of a program: empty XDG config, data and cache folders,
// so that no run finds a disk cache or settings left by an earlier one. Removed when destroyed.
class ScratchProfile {
 public:
  ScratchProfile();
  ScratchProfile(const ScratchProfile&) = delete;
  ScratchProfile& operator=(const ScratchProfile&) = delete;
  ~ScratchProfile();

  // Empty once the folders exist; otherwise why they could not be made.
  const std::string& error() const { return error_; }
  // The folder that holds the three XDG folders; free for other files of the run.
  const std::filesystem::path& root() const { return root_; }
  // This process's environment with XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_CACHE_HOME
  // pointing into the profile.
  std::vector<std::string> Environment() const;

 private:
  std::filesystem::path root_;
  std::string error_;
};

}  // namespace lumetta::bench
