#include "tests/support/temp_dir.h"

#include <glib.h>

#include <filesystem>
#include <fstream>

namespace lumetta::test {

TempDir::TempDir() {
  char* dir = g_dir_make_tmp("lumetta-test-XXXXXX", nullptr);
  path_ = dir != nullptr ? dir : "/tmp";
  g_free(dir);
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Write(const std::string& relative, const std::string& content) const {
  const std::filesystem::path path = std::filesystem::path(path_) / relative;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << content;
  return path.string();
}

}  // namespace lumetta::test
