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
  namespace fs = std::filesystem;
  std::error_code ignored;
  // Tests take permissions away to make files unreadable; give them back so all can go.
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  for (fs::recursive_directory_iterator it(path_, ignored), end; it != end; it.increment(ignored)) {
    if (it->is_directory(ignored)) {
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
  }
  fs::remove_all(path_, ignored);
}

std::string TempDir::Write(const std::string& relative, const std::string& content) const {
  const std::filesystem::path path = std::filesystem::path(path_) / relative;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << content;
  return path.string();
}

}  // namespace lumetta::test
