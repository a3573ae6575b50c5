#include "platform/organize_favorites_dialog.h"

#include <glibmm/main.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "platform/message_box.h"
#include "tests/support/fake_message_box.h"
#include "tests/support/temp_dir.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::IsEmpty;

class OrganizeFavoritesDialogTest : public testing::Test {
 protected:
  OrganizeFavoritesDialogTest() {
    dir_.Write("News.url", "[InternetShortcut]\nURL=http://news.example/\n");
    dir_.Write("notes.txt", "");
    dir_.Write(".hidden.url", "");
    dir_.Write("Apps/工具.url", "");
    fs::create_directories(Path("Apps/Sub"));
  }
  OrganizeFavoritesDialog& Open(const std::string& folder) {
    dialog_.emplace(owner_, folder, box_);
    return *dialog_;
  }
  OrganizeFavoritesDialog& Open() { return Open(dir_.Path()); }
  std::string Path(const std::string& relative) const { return dir_.Path() + "/" + relative; }

  Gtk::Window owner_;
  test::TempDir dir_;
  test::FakeMessageBox box_;
  std::optional<OrganizeFavoritesDialog> dialog_;
};

TEST_F(OrganizeFavoritesDialogTest, ShowsTheFavoritesAsATree) {
  OrganizeFavoritesDialog& dialog = Open();
  EXPECT_EQ(dialog.Dialog().get_title(), "整理收藏夹");
  EXPECT_EQ(dialog.Dialog().get_transient_for(), &owner_);
  EXPECT_THAT(dialog.ShownNames(), ElementsAre("Apps", "  Sub", "  工具", "News", "notes.txt"));
  EXPECT_EQ(dialog.SelectedPath(), "");
}

TEST_F(OrganizeFavoritesDialogTest, RenameKeepsTheShortcutExtension) {
  OrganizeFavoritesDialog& dialog = Open();
  ASSERT_TRUE(dialog.Select(Path("News.url")));
  dialog.RenameSelected("today: news");
  EXPECT_TRUE(fs::exists(Path("today_ news.url")));
  EXPECT_FALSE(fs::exists(Path("News.url")));
  EXPECT_EQ(dialog.SelectedPath(), Path("today_ news.url"));
  EXPECT_THAT(dialog.ShownNames(),
              ElementsAre("Apps", "  Sub", "  工具", "notes.txt", "today_ news"));
  EXPECT_THAT(box_.shown, IsEmpty());
}

TEST_F(OrganizeFavoritesDialogTest, RenameToATakenNameChangesNothing) {
  OrganizeFavoritesDialog& dialog = Open();
  ASSERT_TRUE(dialog.Select(Path("Apps")));
  dialog.RenameSelected("notes.txt");
  EXPECT_TRUE(fs::is_directory(Path("Apps")));
  ASSERT_EQ(box_.shown.size(), 1u);
  EXPECT_EQ(box_.shown[0].prompt, "已有名为“notes.txt”的项目。请换一个名称。");
}

TEST_F(OrganizeFavoritesDialogTest, MovesIntoAFolder) {
  OrganizeFavoritesDialog& dialog = Open();
  ASSERT_TRUE(dialog.Select(Path("News.url")));
  dialog.MoveSelected(Path("Apps/Sub"));
  EXPECT_TRUE(fs::exists(Path("Apps/Sub/News.url")));
  EXPECT_EQ(dialog.SelectedPath(), Path("Apps/Sub/News.url"));
  EXPECT_THAT(dialog.ShownNames(), ElementsAre("Apps", "  Sub", "    News", "  工具", "notes.txt"));
}

TEST_F(OrganizeFavoritesDialogTest, DeleteAsksFirst) {
  OrganizeFavoritesDialog& dialog = Open();
  ASSERT_TRUE(dialog.Select(Path("Apps")));
  box_.answers = {kIdNo};
  dialog.DeleteSelected();
  EXPECT_TRUE(fs::exists(Path("Apps/工具.url")));
  ASSERT_EQ(box_.shown.size(), 1u);
  EXPECT_EQ(box_.shown[0].prompt, "确实要删除“Apps”吗？");
  EXPECT_EQ(box_.shown[0].style, kMbYesNo | kMbIconQuestion);

  // To the trash, or for good when there is none.
  box_.answers = {kIdYes, kIdYes};
  dialog.DeleteSelected();
  EXPECT_FALSE(fs::exists(Path("Apps")));
  EXPECT_THAT(dialog.ShownNames(), ElementsAre("News", "notes.txt"));
}

TEST_F(OrganizeFavoritesDialogTest, NewFoldersGoIntoTheSelectedFolder) {
  OrganizeFavoritesDialog& dialog = Open();
  dialog.CreateFolder();
  EXPECT_TRUE(fs::is_directory(Path("新建文件夹")));
  EXPECT_EQ(dialog.SelectedPath(), Path("新建文件夹"));
  ASSERT_TRUE(dialog.Select(Path("Apps/工具.url")));
  dialog.CreateFolder();
  EXPECT_TRUE(fs::is_directory(Path("Apps/新建文件夹")));
  dialog.CreateFolder();
  EXPECT_TRUE(fs::is_directory(Path("Apps/新建文件夹/新建文件夹")));
}

TEST_F(OrganizeFavoritesDialogTest, WithoutAFolderThereIsNothingToDo) {
  OrganizeFavoritesDialog& dialog = Open("");
  EXPECT_THAT(dialog.ShownNames(), IsEmpty());
  dialog.CreateFolder();
  dialog.DeleteSelected();
  EXPECT_THAT(box_.shown, IsEmpty());
}

TEST_F(OrganizeFavoritesDialogTest, RunEndsWhenClosed) {
  OrganizeFavoritesDialog& dialog = Open();
  bool shown = false;
  Glib::signal_idle().connect_once([&dialog, &shown] {
    shown = dialog.Dialog().get_visible();
    dialog.Dialog().response(Gtk::RESPONSE_CLOSE);
  });
  dialog.Run();
  EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace lumetta
