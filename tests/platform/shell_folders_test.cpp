#include "platform/shell_folders.h"

#include <glib.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <optional>

#include "tests/support/scoped_env.h"
#include "tests/support/temp_dir.h"

namespace lumetta {
namespace {

class XdgShellFoldersTest : public testing::Test {
 protected:
  test::TempDir dir_;
  XdgShellFolders folders_;
  test::ScopedEnv saved_env_{"HOME", "XDG_DATA_HOME"};
};

TEST_F(XdgShellFoldersTest, FavoritesAreCreatedInTheDataHomeOfTheMoment) {
  g_setenv("XDG_DATA_HOME", (dir_.Path() + "/data/").c_str(), TRUE);
  const std::string expected = dir_.Path() + "/data/lumetta/Favorites";
  EXPECT_EQ(folders_.FolderPath(kCsidlFavorites), expected);
  struct stat info;
  ASSERT_EQ(stat(expected.c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  EXPECT_EQ(info.st_mode & 0777, 0700u);

  g_setenv("XDG_DATA_HOME", (dir_.Path() + "/other").c_str(), TRUE);
  EXPECT_EQ(folders_.FolderPath(kCsidlFavorites), dir_.Path() + "/other/lumetta/Favorites");
}

TEST_F(XdgShellFoldersTest, RelativeOrMissingDataHomeMeansTheHomeFolders) {
  g_setenv("HOME", dir_.Path().c_str(), TRUE);
  g_setenv("XDG_DATA_HOME", "relative/data", TRUE);
  EXPECT_EQ(folders_.FolderPath(kCsidlFavorites), dir_.Path() + "/.local/share/lumetta/Favorites");
  g_unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(folders_.FolderPath(kCsidlFavorites), dir_.Path() + "/.local/share/lumetta/Favorites");
}

TEST_F(XdgShellFoldersTest, NoFolderWhenItCannotBeHad) {
  g_setenv("XDG_DATA_HOME", dir_.Path().c_str(), TRUE);
  dir_.Write("lumetta/Favorites", "a file in the way");
  EXPECT_EQ(folders_.FolderPath(kCsidlFavorites), "");
  EXPECT_EQ(folders_.FolderPath(5), "");
}

TEST_F(XdgShellFoldersTest, ALinkedFolderIsUsed) {
  g_setenv("XDG_DATA_HOME", dir_.Path().c_str(), TRUE);
  std::filesystem::create_directories(dir_.Path() + "/windows/Favorites");
  std::filesystem::create_directories(dir_.Path() + "/lumetta");
  std::filesystem::create_directory_symlink(dir_.Path() + "/windows/Favorites",
                                            dir_.Path() + "/lumetta/Favorites");
  EXPECT_EQ(folders_.FolderPath(kCsidlFavorites), dir_.Path() + "/lumetta/Favorites");
}

}  // namespace
}  // namespace lumetta
