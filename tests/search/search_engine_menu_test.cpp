#include "search/search_engine_menu.h"

#include <gdkmm/seat.h>
#include <gtest/gtest.h>

#include "app/settings.h"
#include "tests/search/pop_up_probe.h"
#include "tests/search/search_fixture.h"
#include "tests/support/wait.h"

namespace lumetta {
namespace {

using test::PopUpProbe;
using test::ShownPopUp;

class SearchEngineMenuTest : public test::SearchWindowTest {
 protected:
  // Puts the mouse pointer at (dx, dy) in the window and gives that point on the screen.
  static std::pair<int, int> PointAt(frmMain& form, int dx, int dy) {
    const Glib::RefPtr<Gdk::Window> window = form.Window().get_window();
    int x = 0, y = 0;
    window->get_origin(x, y);
    window->get_display()->get_default_seat()->get_pointer()->warp(window->get_screen(), x + dx,
                                                                   y + dy);
    window->get_display()->sync();
    return {x + dx, y + dy};
  }
  // Clicks the engine button until its menu has shown; another program may hold the pointer
  // grab for a moment, and without it the menu does not open.
  static bool ClickUntilShown(frmMain& form, const PopUpProbe& probe) {
    return test::WaitUntil([&] {
      test::ClickWithMouse(form.imgToolBar(kToolSearchEngines));
      return probe.seen;
    });
  }
};

TEST_F(SearchEngineMenuTest, ChoosingInThePopUpChoosesTheToolsItem) {
  frmMain& form = OpenWindow();
  form.mnuMainToolSearchType(2).PerformClick();
  PopUpProbe probe(form, [](Gtk::Menu& menu) { test::Choose(menu, 1); });
  ASSERT_TRUE(ClickUntilShown(form, probe));
  EXPECT_EQ(probe.labels, (std::vector<std::string>{"百度搜索", "雅虎搜索", "谷歌搜索"}));
  EXPECT_EQ(probe.checks, (std::vector<bool>{false, false, true}));
  // The click returned once the menu had closed, with the choice made.
  EXPECT_EQ(ShownPopUp(form), nullptr);
  EXPECT_EQ(gstrSearchType, "1");
  EXPECT_EQ(Checks(form), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(form.txtSearch.Text(), "雅虎搜索");
}

// The only test that moves the pointer, so that tests running beside it cannot move it.
TEST_F(SearchEngineMenuTest, OpensWithItsCornerAtThePointer) {
  frmMain& form = OpenWindow();
  for (const auto& [dx, dy] : {std::pair{120, 80}, std::pair{300, 150}}) {
    const auto [x, y] = PointAt(form, dx, dy);
    PopUpProbe probe(form, test::Dismiss);
    ASSERT_TRUE(ClickUntilShown(form, probe));
    EXPECT_EQ(probe.x, x);
    EXPECT_EQ(probe.y, y);
  }
}

TEST_F(SearchEngineMenuTest, DismissedPopUpChangesNothing) {
  frmMain& form = OpenWindow();
  form.txtSearch.SetText("abc");
  PopUpProbe probe(form, test::Dismiss);
  ASSERT_TRUE(ClickUntilShown(form, probe));
  EXPECT_EQ(probe.checks, (std::vector<bool>{false, false, false}));
  EXPECT_EQ(ShownPopUp(form), nullptr);
  EXPECT_EQ(gstrSearchType, "0");
  EXPECT_EQ(Checks(form), (std::vector<bool>{false, false, false}));
  EXPECT_EQ(form.txtSearch.Text(), "abc");
  EXPECT_TRUE(Fake(form).calls.empty());
}

TEST_F(SearchEngineMenuTest, ChoiceAfterTheWindowClosedIsDropped) {
  frmMain& form = OpenWindow();
  const int live = frmMain::InstanceCount();
  PopUpProbe probe(form, [&form](Gtk::Menu& menu) {
    form.Unload();
    test::Choose(menu, 2);
  });
  ASSERT_TRUE(ClickUntilShown(form, probe));
  EXPECT_EQ(gstrSearchType, "0");
  EXPECT_EQ(Checks(form), (std::vector<bool>{false, false, false}));
  // The window went only once the handler had returned.
  EXPECT_EQ(frmMain::InstanceCount(), live);
  EXPECT_TRUE(test::WaitUntil([&] { return frmMain::InstanceCount() == live - 1; }));
}

}  // namespace
}  // namespace lumetta
