#include "navigation/navigation_commands.h"

#include <gdk/gdkkeysyms.h>
#include <glib.h>
#include <gtest/gtest.h>

#include "app/settings.h"
#include "shell/main_windows.h"
#include "tests/support/fake_browser_control.h"
#include "tests/support/wait.h"
#include "tests/support/window_test.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {
namespace {

using Calls = std::vector<std::string>;

class NavigationTest : public test::WindowTest {
 protected:
  static void PressEnter(frmMain& form, const std::string& text, int shift = 0) {
    form.txtURL.SetText(text);
    form.txtURL.KeyDown.emit(kKeyReturn, shift);
  }
};

TEST_F(NavigationTest, LoadOpensTheHomePageSilently) {
  frmMain& form = windows_.CreateMainWindow();
  form.Show();
  auto& fake = Fake(form);
  EXPECT_EQ(fake.Navigations(), Calls{kDefaultHomePage});
  EXPECT_EQ(form.mstrURLNewWindow, kDefaultHomePage);
  EXPECT_TRUE(fake.silent);
  EXPECT_FALSE(fake.offline);
}

TEST_F(NavigationTest, LoadOpensTheWindowsOwnAddress) {
  frmMain& form = windows_.CreateMainWindow();
  form.mstrURLNewWindow = "http://own.example/";
  form.Show();
  EXPECT_EQ(Fake(form).Navigations(), Calls{"http://own.example/"});
}

TEST_F(NavigationTest, EnterNavigatesToTheTextWithoutSurroundingBlanks) {
  frmMain& form = OpenWindow();
  PressEnter(form, "  http://a.example/  ");
  PressEnter(form, "\thttp://b.example/\t", kShiftMask);
  PressEnter(form, "   ", kCtrlMask);
  PressEnter(form, "", kAltMask);
  EXPECT_EQ(Fake(form).Navigations(),
            (Calls{"http://a.example/", "\thttp://b.example/\t", "", ""}));
  EXPECT_EQ(form.txtURL.Text(), "");
}

TEST_F(NavigationTest, BoxKeepsItsBlanksUntilTheControlReports) {
  frmMain& form = OpenWindow();
  PressEnter(form, "  http://a.example/  ");
  EXPECT_EQ(form.txtURL.Text(), "  http://a.example/  ");
}

TEST_F(NavigationTest, OtherKeysDoNothing) {
  frmMain& form = OpenWindow();
  form.txtURL.SetText("http://a.example/");
  form.txtURL.KeyDown.emit('A', 0);
  form.txtURL.KeyDown.emit(9, 0);
  EXPECT_TRUE(Fake(form).calls.empty());
}

TEST_F(NavigationTest, RealEnterKeyReachesTheHandler) {
  frmMain& form = OpenWindow();
  form.txtURL.SetText(" http://key.example/ ");
  GdkEvent* event = gdk_event_new(GDK_KEY_PRESS);
  event->key.window = GDK_WINDOW(g_object_ref(form.txtURL.Entry().get_window()->gobj()));
  event->key.keyval = GDK_KEY_Return;
  event->key.state = GDK_SHIFT_MASK;
  gdk_event_set_device(
      event, gdk_seat_get_keyboard(gdk_display_get_default_seat(gdk_display_get_default())));
  gtk_widget_event(GTK_WIDGET(form.txtURL.Entry().gobj()), event);
  gdk_event_free(event);
  EXPECT_EQ(Fake(form).Navigations(), Calls{"http://key.example/"});
}

TEST_F(NavigationTest, FocusInTheAddressBoxSelectsItsWholeText) {
  frmMain& form = OpenWindow();
  form.txtURL.SetText("http://选择.example/");
  form.txtURL.Select(0, 0);
  form.txtURL.GotFocus.emit();
  int start = 0, end = 0;
  ASSERT_TRUE(form.txtURL.Entry().get_selection_bounds(start, end));
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 18);
}

TEST_F(NavigationTest, MenuCommandsDriveTheControl) {
  frmMain& form = OpenWindow();
  form.mnuMainViewGoBack.PerformClick();
  form.mnuMainViewGoForword.PerformClick();
  form.mnuMainViewStop.PerformClick();
  form.mnuMainViewRefresh.PerformClick();
  EXPECT_EQ(Fake(form).calls, (Calls{"GoBack", "GoForward", "Stop", "Refresh"}));
}

TEST_F(NavigationTest, F5Refreshes) {
  frmMain& form = OpenWindow();
  ASSERT_TRUE(
      gtk_accel_groups_activate(G_OBJECT(form.Window().gobj()), GDK_KEY_F5, GdkModifierType(0)));
  EXPECT_EQ(Fake(form).calls, Calls{"Refresh"});
}

TEST_F(NavigationTest, HomeReadsTheHomePageAtTheClick) {
  frmMain& form = OpenWindow();
  gstrHomePage = "http://changed.example/";
  form.mnuMainViewGoHomePage.PerformClick();
  EXPECT_EQ(Fake(form).Navigations(), Calls{"http://changed.example/"});
}

TEST_F(NavigationTest, WorkOfflineTogglesOfflineAndSilent) {
  frmMain& form = OpenWindow();
  auto& fake = Fake(form);
  form.mnuMainFileOffLine.PerformClick();
  EXPECT_TRUE(form.mnuMainFileOffLine.Checked());
  EXPECT_TRUE(fake.offline);
  EXPECT_TRUE(fake.silent);
  form.mnuMainFileOffLine.PerformClick();
  EXPECT_FALSE(form.mnuMainFileOffLine.Checked());
  EXPECT_FALSE(fake.offline);
  EXPECT_FALSE(fake.silent);
}

TEST_F(NavigationTest, OfflineStateBelongsToEachWindow) {
  frmMain& first = OpenWindow();
  frmMain& second = OpenWindow();
  first.mnuMainFileOffLine.PerformClick();
  EXPECT_FALSE(second.mnuMainFileOffLine.Checked());
  EXPECT_FALSE(Fake(second).offline);
}

TEST_F(NavigationTest, NewOpensABlankWindowWithTheFocusInItsAddressBox) {
  frmMain& form = OpenWindow("http://first.example/");
  form.mnuMainFileNewLabel.PerformClick();
  ASSERT_EQ(windows_.OpenCount(), 2u);
  ASSERT_EQ(factory_.made.size(), 2u);
  EXPECT_EQ(factory_.made[1]->Navigations(), Calls{"about:blank"});
  EXPECT_TRUE(Fake(form).calls.empty());
}

TEST_F(NavigationTest, CloseUnloadsOnlyThatWindow) {
  frmMain& first = OpenWindow();
  OpenWindow();
  const int live = frmMain::InstanceCount();
  first.mnuMainFileExit.PerformClick();
  EXPECT_EQ(windows_.OpenCount(), 1u);
  EXPECT_TRUE(test::WaitUntil([&] { return frmMain::InstanceCount() == live - 1; }));
}

TEST_F(NavigationTest, WindowClosedWhileNavigateYieldsIsNotTouched) {
  frmMain& form = OpenWindow();
  test::FakeBrowserControl& fake = Fake(form);
  const int live = frmMain::InstanceCount();
  // Closed by an event that arrives during the first yield.
  g_idle_add(
      [](gpointer data) {
        static_cast<frmMain*>(data)->mnuMainFileExit.PerformClick();
        return G_SOURCE_REMOVE;
      },
      &form);
  PressEnter(form, "http://never.example/");
  EXPECT_TRUE(fake.calls.empty());
  EXPECT_EQ(windows_.OpenCount(), 0u);
  // Destroyed only once the handler has returned.
  EXPECT_EQ(frmMain::InstanceCount(), live);
  EXPECT_TRUE(test::WaitUntil([&] { return frmMain::InstanceCount() == live - 1; }));
}

TEST_F(NavigationTest, WindowClosedDuringItsOwnLoadStaysClosed) {
  frmMain& form = windows_.CreateMainWindow();
  g_idle_add(
      [](gpointer data) {
        static_cast<frmMain*>(data)->Unload();
        return G_SOURCE_REMOVE;
      },
      &form);
  form.Show();
  EXPECT_EQ(windows_.OpenCount(), 0u);
  EXPECT_FALSE(form.Window().get_visible());
}

TEST_F(NavigationTest, DoubleClickOnThePageFrameCloses) {
  frmMain& form = OpenWindow();
  form.picMainWeb.DblClick.emit();
  EXPECT_EQ(windows_.OpenCount(), 0u);
}

}  // namespace
}  // namespace lumetta
