#include "favorites/favorite_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "favorites/mod_favorite.h"
#include "tests/favorites/favorites_fixture.h"
#include "tests/support/wait.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::IsEmpty;

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

class FavoriteCommandsTest : public test::FavoritesWindowTest {
 protected:
  // A window showing a page; the Add Favorite dialog confirms `file_name` in the folder it was
  // given.
  frmMain& OpenPage(const std::string& title, const std::string& url) {
    frmMain& form = OpenWindow();
    Fake(form).location_name = title;
    Fake(form).location_url = url;
    return form;
  }
  void ConfirmAddAs(const std::string& file_name) {
    dialogs_.add_answer = [file_name](const std::string& folder, const std::string&) {
      return folder + "/" + file_name;
    };
  }
};

TEST_F(FavoriteCommandsTest, AddWritesTheShortcutAndRebuildsTheList) {
  Shortcut("a.url", "http://a.example/");
  frmMain& form = OpenPage("新闻 - 首页", "http://news.example/?q=1");
  ConfirmAddAs("新闻.url");
  form.mnuMainFavoriteAdd.PerformClick();
  ASSERT_EQ(dialogs_.added.size(), 1u);
  EXPECT_EQ(dialogs_.added[0].owner, &form.Window());
  EXPECT_EQ(dialogs_.added[0].folder, favorites_.Path());
  EXPECT_EQ(dialogs_.added[0].title, "新闻 - 首页");
  EXPECT_EQ(Contents(favorites_.Path() + "/新闻.url"),
            "[InternetShortcut]\r\nURL=http://news.example/?q=1\r\n");
  EXPECT_THAT(Captions(form), testing::UnorderedElementsAre("a", "新闻"));
  EXPECT_THAT(Tags(form),
              testing::UnorderedElementsAre("http://a.example/", "http://news.example/?q=1"));
  // The page stays where it was.
  EXPECT_THAT(Fake(form).calls, IsEmpty());
}

TEST_F(FavoriteCommandsTest, AddOfAPageWithoutTitleProposesAnEmptyName) {
  frmMain& form = OpenPage("", "about:blank");
  form.mnuMainFavoriteAdd.PerformClick();
  ASSERT_EQ(dialogs_.added.size(), 1u);
  EXPECT_EQ(dialogs_.added[0].title, "");
}

TEST_F(FavoriteCommandsTest, CancelledAddWritesNothingAndKeepsTheEntries) {
  Shortcut("a.url", "http://a.example/");
  frmMain& form = OpenPage("A", "http://new.example/");
  const MenuItem* entry = &form.mnuMainFavoriteUser(1);
  form.mnuMainFavoriteAdd.PerformClick();
  EXPECT_EQ(dialogs_.added.size(), 1u);
  EXPECT_EQ(std::distance(fs::directory_iterator(favorites_.Path()), {}), 1);
  ASSERT_EQ(form.mnuMainFavoriteUser.UBound(), 1);
  EXPECT_EQ(&form.mnuMainFavoriteUser(1), entry);
}

TEST_F(FavoriteCommandsTest, AddOverAShortcutKeepsItsOtherLines) {
  const std::string path = favorites_.Write(
      "a.url",
      "[DEFAULT]\r\nBASEURL=http://old.example/\r\n[InternetShortcut]\r\nURL=http://"
      "old.example/\r\nIconIndex=1\r\n");
  frmMain& form = OpenPage("A", "http://new.example/");
  ConfirmAddAs("a.url");
  form.mnuMainFavoriteAdd.PerformClick();
  EXPECT_EQ(Contents(path),
            "[DEFAULT]\r\nBASEURL=http://old.example/\r\n[InternetShortcut]\r\nURL=http://"
            "new.example/\r\nIconIndex=1\r\n");
  EXPECT_THAT(Tags(form), ElementsAre("http://new.example/"));
}

TEST_F(FavoriteCommandsTest, AddWithoutAFavoritesFolderShowsNoDialog) {
  folders_.favorites = "";
  frmMain& form = OpenPage("A", "http://a.example/");
  form.mnuMainFavoriteAdd.PerformClick();
  EXPECT_THAT(dialogs_.added, IsEmpty());
}

TEST_F(FavoriteCommandsTest, WindowClosedWhileTheDialogIsUpStillGetsItsShortcutWritten) {
  frmMain& form = OpenPage("A", "http://a.example/");
  const int live = frmMain::InstanceCount();
  dialogs_.add_answer = [&form](const std::string& folder, const std::string&) {
    form.Unload();
    return folder + "/a.url";
  };
  form.mnuMainFavoriteAdd.PerformClick();
  EXPECT_TRUE(fs::exists(favorites_.Path() + "/a.url"));
  EXPECT_EQ(windows_.OpenCount(), 0u);
  EXPECT_TRUE(test::WaitUntil([&] { return frmMain::InstanceCount() == live - 1; }));
}

TEST_F(FavoriteCommandsTest, OrganizeRebuildsEvenWithoutChanges) {
  frmMain& form = OpenWindow();
  // Written behind the window's back: only a rebuild shows it.
  Shortcut("later.url", "http://later.example/");
  form.mnuMainFavoriteModify.PerformClick();
  ASSERT_EQ(dialogs_.organized.size(), 1u);
  EXPECT_EQ(dialogs_.organized[0].owner, &form.Window());
  EXPECT_EQ(dialogs_.organized[0].folder, favorites_.Path());
  EXPECT_THAT(Captions(form), ElementsAre("later"));
}

TEST_F(FavoriteCommandsTest, OrganizeShowsTheChangesMadeInTheDialog) {
  Shortcut("old.url", "http://a.example/");
  frmMain& form = OpenWindow();
  dialogs_.while_organizing = [](const std::string& folder) {
    fs::rename(folder + "/old.url", folder + "/new.url");
  };
  form.mnuMainFavoriteModify.PerformClick();
  EXPECT_THAT(Captions(form), ElementsAre("new"));
}

TEST_F(FavoriteCommandsTest, OrganizeWithoutAFavoritesFolderOpensOnNothing) {
  folders_.favorites = "";
  frmMain& form = OpenWindow();
  form.mnuMainFavoriteModify.PerformClick();
  ASSERT_EQ(dialogs_.organized.size(), 1u);
  EXPECT_EQ(dialogs_.organized[0].folder, "");
  EXPECT_THAT(Captions(form), IsEmpty());
}

TEST_F(FavoriteCommandsTest, ChoosingAnEntryOpensItInTheSameWindow) {
  Shortcut("a.url", "http://a.example/");
  Shortcut("b.url", "http://b.example/");
  frmMain& form = OpenWindow();
  const std::string second = form.mnuMainFavoriteUser(2).Tag();
  form.mnuMainFavoriteUser(2).PerformClick();
  EXPECT_THAT(Fake(form).Navigations(), ElementsAre(second));
  EXPECT_EQ(windows_.OpenCount(), 1u);
  // Entries of a later rebuild are tied to the handler too.
  LoadAllFavorite(form);
  form.mnuMainFavoriteUser(1).PerformClick();
  EXPECT_EQ(Fake(form).Navigations().back(), form.mnuMainFavoriteUser(1).Tag());
}

TEST_F(FavoriteCommandsTest, ABookmarkletRunsInTheCurrentPage) {
  Shortcut("mark.url", "JavaScript:void(document.title='%E6%A0%87')");
  frmMain& form = OpenWindow();
  form.mnuMainFavoriteUser(1).PerformClick();
  EXPECT_THAT(Fake(form).calls,
              ElementsAre("RunBookmarklet JavaScript:void(document.title='%E6%A0%87')"));
  // Typed, the same address stays refused by the control.
  form.txtURL.SetText("javascript:void(0)");
  form.txtURL.KeyDown.emit(kKeyReturn, 0);
  EXPECT_THAT(Fake(form).Navigations(), ElementsAre("javascript:void(0)"));
}

TEST_F(FavoriteCommandsTest, EntriesOfAClosedWindowDoNothing) {
  Shortcut("a.url", "http://a.example/");
  frmMain& form = OpenWindow();
  MenuItem& entry = form.mnuMainFavoriteUser(1);
  form.Unload();
  entry.PerformClick();
  EXPECT_THAT(Fake(form).calls, IsEmpty());
}

struct HomePageCase {
  const char* name;
  MenuItem frmMain::*item;
  std::string url;
};

// Rows show by their names in test listings.
void PrintTo(const HomePageCase& row, std::ostream* out) { *out << row.name; }

class HomePageTest : public test::FavoritesWindowTest,
                     public testing::WithParamInterface<HomePageCase> {};

TEST_P(HomePageTest, OpensOneNewWindowOnTheHomePage) {
  frmMain& form = OpenWindow();
  (form.*GetParam().item).PerformClick();
  ASSERT_EQ(windows_.OpenCount(), 2u);
  ASSERT_EQ(factory_.made.size(), 2u);
  EXPECT_THAT(factory_.made[1]->Navigations(), ElementsAre(GetParam().url));
  EXPECT_THAT(Fake(form).calls, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Items, HomePageTest,
    testing::Values(HomePageCase{"Baidu", &frmMain::mnuMainFavoriteBaiDu, kBaiduHomePage},
                    HomePageCase{"Yahoo", &frmMain::mnuMainFavoriteYahoo, kYahooHomePage},
                    HomePageCase{"Google", &frmMain::mnuMainFavoriteGoogle, kGoogleHomePage}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumetta
