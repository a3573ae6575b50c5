#include "platform/stale_files.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/file_io.h"
#include "tests/support/temp_dir.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;

std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// Makes `path` look last changed `seconds` ago.
void Age(const std::string& path, time_t seconds) {
  const struct timespec times[2] = {{time(nullptr) - seconds, 0}, {time(nullptr) - seconds, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

// A killed writer leaves its temporary file; one that still writes holds it locked, and one
// just made may not be locked yet. Nothing but such files of our own naming goes.
TEST(StaleFilesTest, RemovesOnlyTemporaryFilesNoProcessWrites) {
  const test::TempDir dir;
  const time_t old = kStaleTempFileSeconds + 5;
  for (const char* name : {".lumetta-Ab12Cd", ".lumetta-Locked", ".lumetta-Fresh1", ".lumetta-abc",
                           ".lumetta-ABCDEFG", "lumetta-Ab12Cd", "user.reg", ".lumetta-Ab1-Cd"}) {
    Age(dir.Write(name, "data"), old);
  }
  Age(dir.Path() + "/.lumetta-Fresh1", 0);
  const std::string target = dir.Write("target", "someone's");
  fs::create_symlink(target, dir.Path() + "/.lumetta-Link12");
  Age(dir.Path() + "/.lumetta-Link12", old);
  fs::create_directory(dir.Path() + "/.lumetta-Folder");
  Age(dir.Path() + "/.lumetta-Folder", old);
  const FileDescriptor writer(open((dir.Path() + "/.lumetta-Locked").c_str(), O_RDWR));
  ASSERT_EQ(flock(writer.get(), LOCK_EX), 0);

  EXPECT_EQ(RemoveStaleTempFiles(dir.Path()), 1);
  EXPECT_THAT(Names(dir.Path()),
              ElementsAre(".lumetta-ABCDEFG", ".lumetta-Ab1-Cd", ".lumetta-Folder",
                          ".lumetta-Fresh1", ".lumetta-Link12", ".lumetta-Locked", ".lumetta-abc",
                          "lumetta-Ab12Cd", "target", "user.reg"));
}

TEST(StaleFilesTest, RemovesFoldersOfOpenedDownloadsAfterADay) {
  const test::TempDir dir;
  const time_t day = kStaleOpenedDownloadSeconds;
  Age(dir.Write("lumetta-Old123/报告.pdf", "x"), day + 60);
  Age(dir.Path() + "/lumetta-Old123", day + 60);
  Age(dir.Write("lumetta-Newer1/a.pdf", "x"), 60);
  Age(dir.Path() + "/lumetta-Newer1", day + 60);
  Age(dir.Write("lumetta-Nested/sub/a.pdf", "x"), day + 60);
  Age(dir.Path() + "/lumetta-Nested/sub", day + 60);
  Age(dir.Path() + "/lumetta-Nested", day + 60);
  Age(dir.Write("lumetta-preview-Old123/a.pdf", "x"), day + 60);
  Age(dir.Path() + "/lumetta-preview-Old123", day + 60);
  Age(dir.Write("other-Old123/a.pdf", "x"), day + 60);
  Age(dir.Path() + "/other-Old123", day + 60);
  const std::string target = dir.Write("far/kept", "x");
  fs::create_symlink(dir.Path() + "/far", dir.Path() + "/lumetta-Link12");
  Age(dir.Path() + "/lumetta-Link12", day + 60);

  EXPECT_EQ(RemoveStaleOpenedDownloads(dir.Path()), 1);
  EXPECT_THAT(Names(dir.Path()),
              ElementsAre("far", "lumetta-Link12", "lumetta-Nested", "lumetta-Newer1",
                          "lumetta-preview-Old123", "other-Old123"));
  EXPECT_TRUE(fs::exists(target));
}

}  // namespace
}  // namespace lumetta
