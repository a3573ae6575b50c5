#include "platform/favorite_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::IsEmpty;

struct NameCase {
  const char* name;
  std::string typed;
  std::string file_name;
};

// Rows show by their names in test listings.
void PrintTo(const NameCase& row, std::ostream* out) { *out << row.name; }

class FavoriteFileNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(FavoriteFileNameTest, MakesAValidFileName) {
  EXPECT_EQ(FavoriteFileName(GetParam().typed, ".url"), GetParam().file_name);
}

INSTANTIATE_TEST_SUITE_P(
    Names, FavoriteFileNameTest,
    testing::Values(NameCase{"Plain", "新闻 - 首页", "新闻 - 首页.url"},
                    NameCase{"Slash", "a/b", "a_b.url"},
                    NameCase{"WindowsForbidden", "a\\b:c*d?e\"f<g>h|i", "a_b_c_d_e_f_g_h_i.url"},
                    NameCase{"ControlCharacters", "a\tb\nc\x7f", "a_b_c_.url"},
                    NameCase{"LeadingDotWouldHide", ".NET 博客", "_NET 博客.url"},
                    NameCase{"DotsAlone", "..", "_..url"},
                    NameCase{"BlanksAround", " \t　标题　 ", "标题.url"},
                    NameCase{"Blank", "   ", ""}, NameCase{"Empty", "", ""},
                    NameCase{"InvalidUtf8", "caf\xe9", "caf\xef\xbf\xbd.url"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FavoriteFileName, LongNamesAreCutToFitBetweenCharacters) {
  EXPECT_EQ(FavoriteFileName(std::string(300, 'a'), ".url"), std::string(251, 'a') + ".url");
  std::string chinese;
  for (int i = 0; i < 100; ++i) chinese += "中";
  // 251 bytes hold 83 characters of 3 bytes.
  EXPECT_EQ(FavoriteFileName(chinese, ".url"), chinese.substr(0, 249) + ".url");
}

TEST(FavoriteDisplayName, DropsTheShortcutExtensionOfFilesOnly) {
  EXPECT_EQ(FavoriteDisplayName("News.url", false), "News");
  EXPECT_EQ(FavoriteDisplayName("News.URL", false), "News");
  EXPECT_EQ(FavoriteDisplayName("notes.txt", false), "notes.txt");
  EXPECT_EQ(FavoriteDisplayName(".url", false), ".url");
  EXPECT_EQ(FavoriteDisplayName("x.url", true), "x.url");
  EXPECT_EQ(FavoriteDisplayName("caf\xe9.url", false), "caf\xef\xbf\xbd");
}

// Windows lists a folder by name: code points, ASCII letters compared as capitals (so "_" comes
// after them), never by the numbers in the names.
TEST(FavoriteNameLess, OrdersAsWindowsListsAFolder) {
  std::vector<std::string> names{"中文", "b", "_x", "A", "B1", "a10", "a9", "c", "a", "Ω", "[y"};
  std::sort(names.begin(), names.end(), FavoriteNameLess);
  EXPECT_THAT(names, ElementsAre("A", "a", "a10", "a9", "b", "B1", "c", "[y", "_x", "Ω", "中文"));
  EXPECT_FALSE(FavoriteNameLess("a", "a"));
}

class FavoriteFilesTest : public testing::Test {
 protected:
  std::string Path(const std::string& relative) const { return dir_.Path() + "/" + relative; }
  std::string Make(const std::string& relative) const { return dir_.Write(relative, "x"); }
  std::string Folder(const std::string& relative) const {
    fs::create_directories(Path(relative));
    return Path(relative);
  }
  std::vector<std::string> Names(const std::string& folder) const {
    std::vector<std::string> names;
    for (const FavoriteItem& item : ListFavoriteItems(folder)) {
      names.push_back(item.file_name + (item.is_folder ? "/" : ""));
    }
    return names;
  }

  test::TempDir dir_;
};

TEST_F(FavoriteFilesTest, ListsFoldersFirstThenFilesByName) {
  Make("B.url");
  Make("a9.url");
  Make("a10.url");
  Folder("新闻");
  Folder("Apps");
  Make(".hidden.url");
  Folder(".hidden");
  fs::create_symlink(Path("nowhere"), Path("dangling.url"));
  fs::create_symlink(Path("B.url"), Path("link.url"));
  EXPECT_THAT(Names(dir_.Path()),
              ElementsAre("Apps/", "新闻/", "a10.url", "a9.url", "B.url", "link.url"));
  EXPECT_THAT(ListFavoriteItems(Path("missing")), IsEmpty());
}

TEST_F(FavoriteFilesTest, FoldersDepthFirstFollowingOnlyLinksThatStayBelow) {
  Folder("a/b");
  Folder("c");
  Folder("outside/far");
  const std::string root = Folder("favorites");
  for (const char* folder : {"favorites/a/b", "favorites/c/d/e/f/g/h/i/j/k"}) Folder(folder);
  fs::create_directory_symlink(Path("favorites/a"), Path("favorites/a/b/up"));
  fs::create_directory_symlink(root, Path("favorites/c/root"));
  fs::create_directory_symlink(dir_.Path(), Path("favorites/home"));
  fs::create_directory_symlink(Path("outside"), Path("favorites/out"));
  fs::create_directory_symlink(Path("favorites/a/b"), Path("favorites/c/to-b"));
  std::vector<std::string> paths;
  for (const FavoriteFolder& folder : ListFavoriteFolders(root)) {
    paths.push_back(folder.path.substr(root.size()) + ":" + std::to_string(folder.depth));
  }
  EXPECT_THAT(paths, ElementsAre(":0", "/a:1", "/a/b:2", "/c:1", "/c/d:2", "/c/d/e:3", "/c/d/e/f:4",
                                 "/c/d/e/f/g:5", "/c/d/e/f/g/h:6", "/c/d/e/f/g/h/i:7",
                                 "/c/d/e/f/g/h/i/j:8", "/c/to-b:2"));
  EXPECT_THAT(ListFavoriteFolders(""), IsEmpty());
}

TEST_F(FavoriteFilesTest, RenameKeepsTheShortcutExtensionAndNeverReplaces) {
  const std::string news = Make("News.URL");
  std::string renamed;
  EXPECT_EQ(RenameFavorite(news, "Today: news", &renamed), FileChange::kDone);
  EXPECT_EQ(renamed, Path("Today_ news.URL"));
  EXPECT_TRUE(fs::exists(renamed));
  EXPECT_EQ(RenameFavorite(renamed, "Again.url", &renamed), FileChange::kDone);
  EXPECT_EQ(renamed, Path("Again.URL"));

  Make("Other.URL");
  EXPECT_EQ(RenameFavorite(renamed, "Other", &renamed), FileChange::kExists);
  EXPECT_TRUE(fs::exists(Path("Again.URL")));
  EXPECT_EQ(RenameFavorite(Path("Again.URL"), "  ", &renamed), FileChange::kFailed);
  EXPECT_EQ(RenameFavorite(Path("missing.url"), "x", &renamed), FileChange::kFailed);

  const std::string folder = Folder("x.url");
  EXPECT_EQ(RenameFavorite(folder, "Apps", &renamed), FileChange::kDone);
  EXPECT_EQ(renamed, Path("Apps"));
}

TEST_F(FavoriteFilesTest, MoveIntoAFolderNeverReplaces) {
  const std::string folder = Folder("Apps");
  std::string moved;
  EXPECT_EQ(MoveFavorite(Make("a.url"), folder, &moved), FileChange::kDone);
  EXPECT_EQ(moved, Path("Apps/a.url"));
  EXPECT_TRUE(fs::exists(moved));
  Make("a.url");
  EXPECT_EQ(MoveFavorite(Path("a.url"), folder, &moved), FileChange::kExists);
  EXPECT_TRUE(fs::exists(Path("a.url")));
  EXPECT_EQ(MoveFavorite(folder, Path("Apps"), &moved), FileChange::kFailed);
}

TEST_F(FavoriteFilesTest, NewFoldersGetNumbers) {
  EXPECT_EQ(CreateFavoritesFolder(dir_.Path()), Path("新建文件夹"));
  EXPECT_EQ(CreateFavoritesFolder(dir_.Path()), Path("新建文件夹 (2)"));
  EXPECT_EQ(CreateFavoritesFolder(Path("missing")), "");
}

TEST_F(FavoriteFilesTest, DeleteRemovesFoldersWithTheirContents) {
  Make("Apps/a.url");
  fs::create_symlink(dir_.Path(), Path("Apps/root"));
  EXPECT_TRUE(DeleteFavorite(Path("Apps")));
  EXPECT_FALSE(fs::exists(Path("Apps")));
  EXPECT_TRUE(fs::exists(dir_.Path()));
}

}  // namespace
}  // namespace lumetta
