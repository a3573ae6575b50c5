#include "navigation/browser_events.h"

#include <gtest/gtest.h>
#include <gtkmm/entry.h>

#include "app/settings.h"
#include "shell/main_windows.h"
#include "tests/support/fake_browser_control.h"
#include "tests/support/wait.h"
#include "tests/support/window_test.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {
namespace {

using Calls = std::vector<std::string>;

class BrowserEventsTest : public test::WindowTest {
 protected:
  static bool PageHasFocus(frmMain& form) {
    return form.Window().get_focus() == &form.webMain.Get().GetWidget();
  }
  static bool AddressBoxHasFocus(frmMain& form) {
    return form.Window().get_focus() == &form.txtURL.Entry();
  }
};

TEST_F(BrowserEventsTest, CaptionIsTheTitleAndSuffix) {
  frmMain& form = OpenWindow();
  EXPECT_EQ(form.Window().get_title(), "琉梅塔(Lumetta)");
  Fake(form).TitleChange.emit("页面甲", TitleSource::kDocument);
  EXPECT_EQ(form.Window().get_title(), "页面甲 - Lumetta");
  Fake(form).TitleChange.emit("", TitleSource::kDocument);
  EXPECT_EQ(form.Window().get_title(), " - Lumetta");
}

TEST_F(BrowserEventsTest, NotFoundPageLeavesTheCaption) {
  frmMain& form = OpenWindow();
  Fake(form).TitleChange.emit("Page B", TitleSource::kDocument);
  Fake(form).TitleChange.emit(kServerNotFoundTitle, TitleSource::kServerNotFoundPage);
  EXPECT_EQ(form.Window().get_title(), "Page B - Lumetta");
  // The control's other pages, and a document that takes the same title, name the window.
  Fake(form).TitleChange.emit("脱机工作", TitleSource::kOwnPage);
  EXPECT_EQ(form.Window().get_title(), "脱机工作 - Lumetta");
  Fake(form).TitleChange.emit(kServerNotFoundTitle, TitleSource::kDocument);
  EXPECT_EQ(form.Window().get_title(), "找不到服务器 - Lumetta");
}

TEST_F(BrowserEventsTest, TitleChangeMovesTheFocusIntoThePage) {
  frmMain& form = OpenWindow();
  form.txtURL.SetFocus();
  Fake(form).TitleChange.emit("x", TitleSource::kDocument);
  EXPECT_TRUE(PageHasFocus(form));
}

TEST_F(BrowserEventsTest, CompletedFrameShowsTheTopLevelAddress) {
  frmMain& form = OpenWindow();
  auto& fake = Fake(form);
  fake.location_url = "http://top.example/";
  form.txtURL.SetFocus();
  form.txtURL.SetText("typing");
  fake.DocumentComplete.emit("http://frame.example/inner");
  EXPECT_EQ(form.txtURL.Text(), "http://top.example/");
  EXPECT_TRUE(PageHasFocus(form));
}

TEST_F(BrowserEventsTest, CompletionWithoutAnAddressChangesNothing) {
  frmMain& form = OpenWindow();
  Fake(form).location_url = "http://top.example/";
  form.txtURL.SetFocus();
  form.txtURL.SetText("typing");
  Fake(form).DocumentComplete.emit("");
  EXPECT_EQ(form.txtURL.Text(), "typing");
  EXPECT_TRUE(AddressBoxHasFocus(form));
}

TEST_F(BrowserEventsTest, BackAndForwardButtonsFollowTheCommandState) {
  frmMain& form = OpenWindow();
  auto& fake = Fake(form);
  EXPECT_TRUE(form.imgToolBar(kToolBack).Enabled());
  EXPECT_TRUE(form.imgToolBar(kToolForward).Enabled());
  fake.CommandStateChange.emit(kCscNavigateBack, false);
  fake.CommandStateChange.emit(kCscNavigateForward, false);
  fake.CommandStateChange.emit(-1, true);
  fake.CommandStateChange.emit(0, true);
  EXPECT_FALSE(form.imgToolBar(kToolBack).Enabled());
  EXPECT_FALSE(form.imgToolBar(kToolForward).Enabled());
  form.imgToolBar(kToolBack).PerformClick();
  form.imgToolBar(kToolForward).PerformClick();
  form.mnuMainViewGoBack.PerformClick();
  EXPECT_EQ(fake.calls, Calls{"GoBack"});
  fake.CommandStateChange.emit(kCscNavigateBack, true);
  form.imgToolBar(kToolBack).PerformClick();
  EXPECT_EQ(fake.calls, (Calls{"GoBack", "GoBack"}));
  EXPECT_FALSE(form.imgToolBar(kToolForward).Enabled());
}

TEST_F(BrowserEventsTest, NavigationToTheEmptyHostDoesNotYield) {
  frmMain& form = OpenWindow();
  bool idle_ran = false;
  g_idle_add(
      [](gpointer ran) {
        *static_cast<bool*>(ran) = true;
        return G_SOURCE_REMOVE;
      },
      &idle_ran);
  Fake(form).BeforeNavigate2.emit("http:///");
  EXPECT_FALSE(idle_ran);
  Fake(form).BeforeNavigate2.emit("http://a.example/");
  EXPECT_TRUE(idle_ran);
}

TEST_F(BrowserEventsTest, WindowClosedWhileBeforeNavigateYields) {
  frmMain& form = OpenWindow();
  const int live = frmMain::InstanceCount();
  g_idle_add(
      [](gpointer window) {
        static_cast<frmMain*>(window)->Unload();
        return G_SOURCE_REMOVE;
      },
      &form);
  Fake(form).BeforeNavigate2.emit("http://a.example/");
  // The closed window no longer hears its control.
  Fake(form).TitleChange.emit("late", TitleSource::kDocument);
  EXPECT_EQ(form.Window().get_title(), "琉梅塔(Lumetta)");
  EXPECT_TRUE(test::WaitUntil([&] { return frmMain::InstanceCount() == live - 1; }));
}

// The window of a control handed back for a page's request.
Gtk::Window& WindowOf(BrowserControl& control) {
  return *dynamic_cast<Gtk::Window*>(control.GetWidget().get_toplevel());
}

TEST_F(BrowserEventsTest, PageRequestOpensAFullMainWindowOnItsOwnAddress) {
  frmMain& form = OpenWindow();
  BrowserControl* opened = Fake(form).NewWindow2.emit();
  ASSERT_EQ(windows_.OpenCount(), 2u);
  ASSERT_NE(opened, nullptr);
  auto* popup = static_cast<test::FakeBrowserControl*>(opened);
  // No start page races with the page's own address.
  EXPECT_TRUE(popup->Navigations().empty());
  EXPECT_TRUE(popup->silent);
  EXPECT_TRUE(Fake(form).Navigations().empty());
  // It appears when the engine has the page ready.
  EXPECT_FALSE(WindowOf(*popup).get_visible());
  popup->ReadyToShow.emit();
  EXPECT_TRUE(WindowOf(*popup).get_visible());
  popup->TitleChange.emit("弹出", TitleSource::kDocument);
  EXPECT_EQ(WindowOf(*popup).get_title(), "弹出 - Lumetta");
}

TEST_F(BrowserEventsTest, PageRequestWindowAppearsAtItsFirstDocumentAtTheLatest) {
  frmMain& form = OpenWindow();
  BrowserControl* opened = Fake(form).NewWindow2.emit();
  ASSERT_NE(opened, nullptr);
  auto* popup = static_cast<test::FakeBrowserControl*>(opened);
  popup->location_url = "http://popup.example/";
  popup->DocumentComplete.emit("http://popup.example/");
  EXPECT_TRUE(WindowOf(*popup).get_visible());
  popup->ReadyToShow.emit();
  EXPECT_EQ(windows_.OpenCount(), 2u);
}

TEST_F(BrowserEventsTest, PageRequestWindowClosedBeforeItIsReady) {
  frmMain& form = OpenWindow();
  const int live = frmMain::InstanceCount();
  BrowserControl* opened = Fake(form).NewWindow2.emit();
  ASSERT_NE(opened, nullptr);
  Gtk::Window& popup_window = WindowOf(*opened);
  windows_.Unload(windows_.OpenWindow(1));
  opened->ReadyToShow.emit();
  EXPECT_FALSE(popup_window.get_visible());
  EXPECT_TRUE(test::WaitUntil([&] { return frmMain::InstanceCount() == live; }));
}

TEST_F(BrowserEventsTest, NewWindowGetsTheFocusInItsAddressBox) {
  frmMain& form = OpenWindow();
  gstrHomePage = "http://home.example/";
  form.DoAddNewWindow("http://new.example/");
  ASSERT_EQ(factory_.made.size(), 2u);
  EXPECT_EQ(factory_.made[1]->Navigations(), Calls{"http://new.example/"});
  auto* top = dynamic_cast<Gtk::Window*>(factory_.made[1]->GetWidget().get_toplevel());
  ASSERT_NE(top, nullptr);
  EXPECT_NE(top, &form.Window());
  // The focused box is the new window's address box (its search box holds text).
  auto* focus = dynamic_cast<Gtk::Entry*>(top->get_focus());
  ASSERT_NE(focus, nullptr);
  EXPECT_EQ(focus->get_text(), "");
}

TEST_F(BrowserEventsTest, OpeningAndClosingManyWindowsLeavesNoneAlive) {
  const int before = frmMain::InstanceCount();
  for (int i = 0; i < 100; ++i) {
    frmMain& form = windows_.CreateMainWindow();
    form.mstrURLNewWindow = "about:blank";
    form.Show();
    form.mnuMainFileExit.PerformClick();
  }
  EXPECT_TRUE(test::WaitUntil([&] { return frmMain::InstanceCount() == before; }));
  EXPECT_EQ(windows_.OpenCount(), 0u);
}

}  // namespace
}  // namespace lumetta
