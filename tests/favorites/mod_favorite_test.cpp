#include "favorites/mod_favorite.h"

#include <glib.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <gtkmm/menushell.h>
#include <gtkmm/separatormenuitem.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <random>

#include "app/report_error.h"
#include "app/resume_next.h"
#include "tests/favorites/favorites_fixture.h"
#include "tests/support/wait.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using testing::ElementsAre;
using testing::IsEmpty;

constexpr char kShortcut[] = "[InternetShortcut]\r\nURL=http://a.example/\r\n";

std::string Junk(size_t size) {
  std::mt19937 random(7);
  std::string junk(size, '\0');
  for (char& c : junk) c = static_cast<char>(random());
  return junk;
}

struct FileCase {
  const char* name;
  // Puts the file in the favorites folder.
  std::function<void(const test::TempDir& favorites)> make;
  // What the entry shows, or nothing when the file is not listed.
  std::optional<std::string> caption;
};

// Rows show by their names in test listings.
void PrintTo(const FileCase& row, std::ostream* out) { *out << row.name; }

FileCase File(const char* name, const std::string& file_name, const std::string& contents,
              std::optional<std::string> caption) {
  return {name, [=](const test::TempDir& dir) { dir.Write(file_name, contents); }, caption};
}

class ShortcutFileTest : public test::FavoritesWindowTest,
                         public testing::WithParamInterface<FileCase> {};

TEST_P(ShortcutFileTest, IsListedByTheListRules) {
  GetParam().make(favorites_);
  frmMain& form = OpenWindow();
  if (GetParam().caption) {
    EXPECT_THAT(Captions(form), ElementsAre(*GetParam().caption));
    EXPECT_THAT(Tags(form), ElementsAre("http://a.example/"));
    EXPECT_TRUE(form.mnuMainFavoriteUser(1).Visible());
  } else {
    EXPECT_THAT(Captions(form), IsEmpty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, ShortcutFileTest,
    testing::Values(
        File("DotUrlGoes", "News.url", kShortcut, "News"),
        File("UpperCaseExtensionStays", "News.URL", kShortcut, "News.URL"),
        File("EveryDotUrlGoes", "a.url.b.url", kShortcut, "a.b"),
        File("OtherExtension", "page.txt", kShortcut, "page.txt"),
        File("NoExtension", "bookmark", kShortcut, "bookmark"),
        File("Bom", "bom.url", "\xEF\xBB\xBF[InternetShortcut]\r\nURL=http://a.example/\r\n",
             "bom"),
        File("LfLineEnds", "lf.url", "[InternetShortcut]\nURL=http://a.example/\n", "lf"),
        // Saved by Unicode-aware Windows programs.
        File("Utf16Le", "wide.url",
             "\xFF\xFE[\0I\0n\0t\0e\0r\0n\0e\0t\0S\0h\0o\0r\0t\0c\0u\0t\0]\0\r\0\n\0"
             "U\0R\0L\0=\0h\0t\0t\0p\0:\0/\0/\0a\0.\0e\0x\0a\0m\0p\0l\0e\0/\0\r\0\n\0"s,
             "wide"),
        // 百度.url, named on a Chinese Windows.
        File("GbkName", "\xB0\xD9\xB6\xC8.url", kShortcut, "百度"),
        File("Name29", std::string(29, 'n') + ".url", kShortcut, std::string(29, 'n')),
        File("Name30", std::string(30, 'n') + ".url", kShortcut, std::string(28, 'n') + "..."),
        File("LongestName", std::string(251, 'n') + ".url", kShortcut,
             std::string(28, 'n') + "..."),
        File("EmptyUrl", "empty.url", "[InternetShortcut]\r\nURL=\r\n", std::nullopt),
        File("NoUrlKey", "nokey.url", "[InternetShortcut]\r\nIDList=\r\n", std::nullopt),
        File("Hidden", ".hidden.url", kShortcut, std::nullopt),
        File("InSubFolder", "sub/inner.url", kShortcut, std::nullopt),
        File("FolderNamedUrl", "x.url/inner.url", kShortcut, std::nullopt),
        File("ZeroBytes", "zero.url", "", std::nullopt),
        File("BinaryJunk", "junk.url", Junk(64 << 10), std::nullopt),
        File("Big", "big.url",
             "[InternetShortcut]\n" + std::string(50u << 20, 'x') + "\nURL=http://a.example/\n",
             "big"),
        FileCase{"LinkToAShortcut",
                 [](const test::TempDir& dir) {
                   const std::string target = dir.Write("store/target.url", kShortcut);
                   fs::create_symlink(target, dir.Path() + "/link.url");
                 },
                 "link"},
        FileCase{"DanglingLink",
                 [](const test::TempDir& dir) {
                   fs::create_symlink(dir.Path() + "/nowhere.url", dir.Path() + "/dangling.url");
                 },
                 std::nullopt},
        FileCase{"LoopingLink",
                 [](const test::TempDir& dir) {
                   fs::create_symlink(dir.Path() + "/loop.url", dir.Path() + "/loop.url");
                 },
                 std::nullopt},
        // Opens, but every read fails, even for root.
        FileCase{"ReadFails",
                 [](const test::TempDir& dir) {
                   fs::create_symlink("/proc/self/mem", dir.Path() + "/mem.url");
                 },
                 std::nullopt},
        FileCase{"Fifo",
                 [](const test::TempDir& dir) {
                   ASSERT_EQ(mkfifo((dir.Path() + "/fifo.url").c_str(), 0600), 0);
                 },
                 std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

class FavoritesListTest : public test::FavoritesWindowTest {
 protected:
  // Opens the Favorites menu as its access key does, and gives what it shows: captions, "-"
  // for separators, a trailing "*" for hidden items.
  static std::vector<std::string> OpenMenu(frmMain& form) {
    Gtk::Menu& menu = *form.mnuMainFavorite.Submenu();
    // Another program on the display may hold the pointer for a moment; the menu then cannot
    // open, as for a user, and is tried again.
    bool opened = false;
    for (int attempt = 0; attempt < 20 && !opened; ++attempt) {
      gtk_widget_mnemonic_activate(GTK_WIDGET(form.mnuMainFavorite.Item().gobj()), FALSE);
      opened = test::WaitUntil([&] { return menu.get_mapped(); }, 500);
    }
    EXPECT_TRUE(opened);
    std::vector<std::string> items;
    for (Gtk::Widget* child : menu.get_children()) {
      auto* item = static_cast<Gtk::MenuItem*>(child);
      std::string text = dynamic_cast<Gtk::SeparatorMenuItem*>(item) != nullptr
                             ? "-"
                             : std::string(item->get_label());
      if (!item->get_visible()) text += "*";
      items.push_back(text);
    }
    static_cast<Gtk::MenuShell*>(form.mnuMainFavorite.Item().get_parent())->deactivate();
    return items;
  }
};

// As Windows lists a folder: by name, ASCII letters without regard to case, whatever order the
// file system here keeps them in.
TEST_F(FavoritesListTest, EntriesComeInNameOrder) {
  for (const char* name : {"b.url", "A.url", "中文.url", "B1.url", "c.url", "_x.url", "a.url"}) {
    Shortcut(name, std::string("http://") + name + "/");
  }
  frmMain& form = OpenWindow();
  const std::vector<std::string> expected{"A", "a", "b", "B1", "c", "_x", "中文"};
  EXPECT_EQ(Captions(form), expected);
  for (int i = 1; i <= form.mnuMainFavoriteUser.UBound(); ++i) {
    EXPECT_EQ(form.mnuMainFavoriteUser(i).Index(), i);
    EXPECT_EQ(form.mnuMainFavoriteUser(i).Tag(), "http://" + expected[i - 1] + ".url/");
  }
}

TEST_F(FavoritesListTest, NameThatIsNotUtf8IsShownReadablyAndStillOpens) {
  Shortcut("caf\xe9.url", "http://cafe.example/");
  frmMain& form = OpenWindow();
  gchar* display = g_filename_display_name("caf\xe9");
  EXPECT_THAT(Captions(form), ElementsAre(std::string(display)));
  g_free(display);
  form.mnuMainFavoriteUser(1).PerformClick();
  EXPECT_THAT(Fake(form).Navigations(), ElementsAre("http://cafe.example/"));
}

TEST_F(FavoritesListTest, AddressInTheCodePageOfAChineseWindowsOpens) {
  // "http://a.example/搜索" as a Chinese Windows writes it.
  favorites_.Write("gbk.url", "[InternetShortcut]\r\nURL=http://a.example/\xCB\xD1\xCB\xF7\r\n");
  frmMain& form = OpenWindow();
  form.mnuMainFavoriteUser(1).PerformClick();
  EXPECT_THAT(Fake(form).Navigations(), ElementsAre("http://a.example/搜索"));
}

TEST_F(FavoritesListTest, NamesShowAsTheyAre) {
  Shortcut("AT&T.url", "http://att.example/");
  Shortcut("two\nlines.url", "http://lines.example/");
  frmMain& form = OpenWindow();
  const std::vector<std::string> shown = OpenMenu(form);
  EXPECT_THAT(shown, testing::Contains("AT&T"));
  EXPECT_THAT(shown, testing::Contains("two lines"));
  EXPECT_THAT(Captions(form), testing::UnorderedElementsAre("AT&T", "two\nlines"));
}

TEST_F(FavoritesListTest, UnreadableShortcutIsLeftOut) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  const std::string path = Shortcut("locked.url", "http://a.example/");
  ASSERT_EQ(chmod(path.c_str(), 0), 0);
  Shortcut("open.url", "http://b.example/");
  EXPECT_THAT(Captions(OpenWindow()), ElementsAre("open"));
}

TEST_F(FavoritesListTest, RebuildingListsEachShortcutOnceFromIndexOne) {
  Shortcut("a.url", "http://a.example/");
  Shortcut("b.url", "http://b.example/");
  frmMain& form = OpenWindow();
  const size_t controls = form.GetControls().Count();
  LoadAllFavorite(form);
  LoadAllFavorite(form);
  EXPECT_EQ(form.mnuMainFavoriteUser.Count(), 3u);
  EXPECT_EQ(form.mnuMainFavoriteUser.UBound(), 2);
  EXPECT_EQ(form.GetControls().Count(), controls);
  EXPECT_NE(form.GetControls().Find("mnuMainFavoriteUser", 2), nullptr);
  EXPECT_FALSE(form.mnuMainFavoriteUser(0).Visible());

  fs::remove(favorites_.Path() + "/a.url");
  LoadAllFavorite(form);
  EXPECT_THAT(Captions(form), ElementsAre("b"));
  EXPECT_EQ(form.GetControls().Find("mnuMainFavoriteUser", 2), nullptr);
}

TEST_F(FavoritesListTest, WithoutAFavoritesFolderTheListIsEmpty) {
  folders_.favorites = "";
  frmMain& form = OpenWindow();
  EXPECT_THAT(Captions(form), IsEmpty());
  EXPECT_THAT(folders_.asked, ElementsAre(kCsidlFavorites));

  folders_.favorites = favorites_.Path() + "/missing";
  LoadAllFavorite(form);
  EXPECT_THAT(Captions(form), IsEmpty());
}

// A folder that is gone and a lookup that fails are reported; the list just stays empty.
TEST_F(FavoritesListTest, FailuresAreReportedUnderTheRoutinesNames) {
  Shortcut("a.url", "http://a.example/");
  frmMain& form = OpenWindow();
  const ScopedReportSink reports;
  folders_.favorites = favorites_.Path() + "/已删除";
  LoadAllFavorite(form);
  EXPECT_THAT(Captions(form), IsEmpty());
  folders_.failure = "找不到收藏夹";
  LoadAllFavorite(form);
  EXPECT_EQ(reports.Reports(),
            (std::vector<ErrorReport>{{"LoadDirSubFavorite", kErrPathNotFound, g_strerror(ENOENT)},
                                      {"GetFolderPath", kErrInvalidCall, "找不到收藏夹"}}));
}

TEST_F(FavoritesListTest, EachWindowKeepsItsOwnList) {
  Shortcut("a.url", "http://a.example/");
  frmMain& first = OpenWindow();
  Shortcut("b.url", "http://b.example/");
  frmMain& second = OpenWindow();
  EXPECT_EQ(Captions(first).size(), 1u);
  EXPECT_EQ(Captions(second).size(), 2u);
  fs::remove(favorites_.Path() + "/a.url");
  LoadAllFavorite(second);
  EXPECT_THAT(Captions(second), ElementsAre("b"));
  EXPECT_THAT(Captions(first), ElementsAre("a"));
}

TEST_F(FavoritesListTest, EntriesFollowGoogleWithoutASeparator) {
  Shortcut("one.url", "http://1.example/");
  Shortcut("two.url", "http://2.example/");
  frmMain& form = OpenWindow();
  const std::vector<std::string> fixed = {"添加到收藏夹", "整理收藏夹", "-",  "百度首页",
                                          "雅虎首页",     "谷歌首页",   "-*", "用户链接...*"};
  std::vector<std::string> expected = fixed;
  for (const std::string& caption : Captions(form)) expected.push_back(caption);
  EXPECT_EQ(OpenMenu(form), expected);
  // A rebuild takes out exactly the window's own entries; the next opening shows the new ones.
  fs::remove(favorites_.Path() + "/one.url");
  LoadAllFavorite(form);
  EXPECT_EQ(form.mnuMainFavorite.Submenu()->get_children().size(), fixed.size());
  EXPECT_THAT(OpenMenu(form), testing::ElementsAreArray([&] {
                auto items = fixed;
                items.push_back("two");
                return items;
              }()));
}

TEST_F(FavoritesListTest, EmptyFolderShowsOnlyTheFixedItems) {
  favorites_.Write("notes.txt", "no shortcut here");
  frmMain& form = OpenWindow();
  EXPECT_EQ(OpenMenu(form),
            (std::vector<std::string>{"添加到收藏夹", "整理收藏夹", "-", "百度首页", "雅虎首页",
                                      "谷歌首页", "-*", "用户链接...*"}));
}

}  // namespace
}  // namespace lumetta
