#include "platform/add_favorite_dialog.h"

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

class AddFavoriteDialogTest : public testing::Test {
 protected:
  AddFavoriteDialog& Open(const std::string& title) {
    dialog_.emplace(owner_, dir_.Path(), title, box_);
    return *dialog_;
  }
  std::string Path(const std::string& relative) const { return dir_.Path() + "/" + relative; }
  // What the folder box offers, as shown.
  static std::vector<std::string> Folders(AddFavoriteDialog& dialog) {
    Gtk::ComboBoxText& box = dialog.FolderBox();
    const std::string active = box.get_active_id();
    std::vector<std::string> folders;
    for (int i = 0; box.set_active(i), !box.get_active_id().empty(); ++i) {
      folders.push_back(box.get_active_text());
    }
    box.set_active_id(active);
    return folders;
  }
  // Answers the running dialog from the main loop.
  static void RespondSoon(AddFavoriteDialog& dialog, int response, const std::string& name = "") {
    Glib::signal_idle().connect_once([&dialog, response, name] {
      if (!name.empty()) dialog.NameEntry().set_text(name);
      dialog.Dialog().response(response);
    });
  }

  Gtk::Window owner_;
  test::TempDir dir_;
  test::FakeMessageBox box_;
  std::optional<AddFavoriteDialog> dialog_;
};

TEST_F(AddFavoriteDialogTest, ProposesTheTitleInTheFavoritesFolder) {
  fs::create_directories(Path("Apps/工具"));
  fs::create_directories(Path(".hidden"));
  dir_.Write("a.url", "");
  AddFavoriteDialog& dialog = Open("新闻 - 首页");
  EXPECT_EQ(dialog.Dialog().get_title(), "添加到收藏夹");
  EXPECT_TRUE(dialog.Dialog().get_modal());
  EXPECT_EQ(dialog.Dialog().get_transient_for(), &owner_);
  EXPECT_EQ(dialog.NameEntry().get_text(), "新闻 - 首页");
  EXPECT_EQ(dialog.FolderBox().get_active_id(), dir_.Path());
  EXPECT_THAT(Folders(dialog), ElementsAre("收藏夹", "  Apps", "    工具"));
  EXPECT_EQ(dialog.Confirm(), Path("新闻 - 首页.url"));
  dialog.FolderBox().set_active_id(Path("Apps/工具"));
  EXPECT_EQ(dialog.Confirm(), Path("Apps/工具/新闻 - 首页.url"));
  EXPECT_THAT(box_.shown, IsEmpty());
}

TEST_F(AddFavoriteDialogTest, NameIsMadeAValidFileName) {
  AddFavoriteDialog& dialog = Open("a/b: c?");
  EXPECT_EQ(dialog.Confirm(), Path("a_b_ c_.url"));
}

TEST_F(AddFavoriteDialogTest, BlankNameCannotBeConfirmed) {
  AddFavoriteDialog& dialog = Open("");
  Gtk::Widget* ok = dialog.Dialog().get_widget_for_response(Gtk::RESPONSE_OK);
  EXPECT_FALSE(ok->get_sensitive());
  EXPECT_EQ(dialog.Confirm(), "");
  dialog.NameEntry().set_text("x");
  EXPECT_TRUE(ok->get_sensitive());
  dialog.NameEntry().set_text(" \t ");
  EXPECT_FALSE(ok->get_sensitive());
}

TEST_F(AddFavoriteDialogTest, AsksBeforeReplacingAShortcut) {
  dir_.Write("a.url", "[InternetShortcut]\nURL=http://a.example/\n");
  AddFavoriteDialog& dialog = Open("a");
  box_.answers = {kIdNo, kIdYes};
  EXPECT_EQ(dialog.Confirm(), "");
  ASSERT_EQ(box_.shown.size(), 1u);
  EXPECT_EQ(box_.shown[0].style, kMbYesNo | kMbIconQuestion);
  EXPECT_EQ(box_.shown[0].prompt, "所选位置已有名为“a”的链接。要替换它吗？");
  EXPECT_EQ(dialog.Confirm(), Path("a.url"));
}

TEST_F(AddFavoriteDialogTest, FolderOfThatNameIsNeverReplaced) {
  fs::create_directories(Path("x.url"));
  AddFavoriteDialog& dialog = Open("x");
  box_.answers = {kIdYes};
  EXPECT_EQ(dialog.Confirm(), "");
  ASSERT_EQ(box_.shown.size(), 1u);
  EXPECT_EQ(box_.shown[0].style, kMbOk | kMbIconInformation);
}

TEST_F(AddFavoriteDialogTest, RunGivesThePathOnOkAndNothingOnCancel) {
  AddFavoriteDialog& dialog = Open("a");
  RespondSoon(dialog, Gtk::RESPONSE_OK, "b");
  EXPECT_EQ(dialog.Run(), Path("b.url"));
  RespondSoon(dialog, Gtk::RESPONSE_CANCEL);
  EXPECT_EQ(dialog.Run(), "");
}

TEST_F(AddFavoriteDialogTest, RunStaysOpenWhenTheUserKeepsTheOldShortcut) {
  dir_.Write("a.url", "");
  AddFavoriteDialog& dialog = Open("a");
  box_.answers = {kIdNo};
  box_.while_shown = [&dialog] { RespondSoon(dialog, Gtk::RESPONSE_OK, "c"); };
  RespondSoon(dialog, Gtk::RESPONSE_OK);
  EXPECT_EQ(dialog.Run(), Path("c.url"));
  EXPECT_EQ(box_.shown.size(), 1u);
}

}  // namespace
}  // namespace lumetta
