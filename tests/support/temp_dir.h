#pragma once

#include <string>

namespace lumetta::test {

// A temporary folder, removed with everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  // Writes `content` to `relative` below the folder, creating folders on the way; gives the path.
  std::string Write(const std::string& relative, const std::string& content) const;

 private:
  std::string path_;
};

}  // namespace lumetta::test
