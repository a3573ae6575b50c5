// The keys and clicks that the browser control handles by itself while its page has the focus,
// in main windows on the real engine.
#include <gtest/gtest.h>
#include <gtkmm/clipboard.h>

#include "engine/webkit_engine.h"
#include "shell/main_windows.h"
#include "tests/support/keystrokes.h"
#include "tests/support/local_server.h"
#include "tests/support/page_input.h"
#include "tests/support/wait.h"
#include "ui/main_window/do_navigate.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {
namespace {

class ControlInputTest : public testing::Test {
 protected:
  ControlInputTest() {
    server_.Serve("/a", "<html><head><title>a</title></head><body>a</body></html>");
    // The page keeps Ctrl+minus for itself.
    server_.Serve("/b",
                  "<html><head><title>b</title></head><body>b<script>"
                  "addEventListener('keydown', e => { if (e.key == '-') e.preventDefault(); });"
                  "</script></body></html>");
    server_.Serve("/links",
                  "<html><head><title>links</title></head><body style=\"margin:0\">"
                  "<a href=\"/target\" style=\"position:fixed;left:0;top:0;width:100%;"
                  "height:50%\">target</a></body></html>");
    server_.Serve("/target",
                  "<html><head><title>target</title></head><body><script>"
                  "document.title = window.opener ? 'has opener' : 'no opener';"
                  "</script></body></html>");
  }

  frmMain& OpenWindow(const std::string& url) {
    frmMain& form = windows_.CreateMainWindow();
    form.mstrURLNewWindow = url;
    form.Show();
    EXPECT_TRUE(test::WaitUntil([&] { return form.Caption() == Title(url) + " - Lumetta"; }));
    return form;
  }
  static std::string Title(const std::string& url) { return url.substr(url.rfind('/') + 1); }
  // The window in front with the keyboard focus in its page, as after a click into it.
  static GtkWidget* FocusPage(frmMain& form) {
    GtkWidget* view = form.webMain.Get().GetWidget().gobj();
    form.Window().present();
    form.webMain->GrabFocus();
    EXPECT_TRUE(test::WaitUntil([&] { return gtk_widget_get_mapped(view); }));
    return view;
  }
  size_t WindowsTitled(const std::string& caption) const {
    size_t count = 0;
    for (size_t i = 0; i < windows_.OpenCount(); ++i) {
      if (windows_.OpenWindow(i).Caption() == caption) ++count;
    }
    return count;
  }

  test::LocalServer server_;
  std::unique_ptr<BrowserControlFactory> factory_ = std::make_unique<WebKitEngine>();
  MainWindows windows_{*factory_, {}};
};

// Alt+Left and Alt+Right and the mouse's back and forward buttons run the View menu's Back and
// Forward, so the toolbar's buttons follow; Ctrl+plus zooms as 放大20% does unless the page takes
// the key itself, Ctrl+0 as 100% does; Ctrl+N opens the page in a new window.
TEST_F(ControlInputTest, KeysAndButtonsRunTheWindowsCommands) {
  frmMain& form = OpenWindow(server_.Url("/a"));
  DoNavigate(form, server_.Url("/b"));
  ASSERT_TRUE(test::WaitUntil([&] { return form.Caption() == "b - Lumetta"; }));
  FocusPage(form);

  ASSERT_TRUE(test::SendKeys("%{LEFT}", form.Window()));
  ASSERT_TRUE(test::WaitUntil(
      [&] { return form.Caption() == "a - Lumetta" && form.txtURL.Text() == server_.Url("/a"); }));
  EXPECT_FALSE(form.imgToolBar(kToolBack).Enabled());
  EXPECT_TRUE(form.imgToolBar(kToolForward).Enabled());

  // The mouse's forward and back buttons, then Alt+Right.
  GtkWidget* view = FocusPage(form);
  test::ClickWidget(view, 9);
  ASSERT_TRUE(test::WaitUntil([&] { return form.Caption() == "b - Lumetta"; }));
  EXPECT_TRUE(form.imgToolBar(kToolBack).Enabled());
  EXPECT_FALSE(form.imgToolBar(kToolForward).Enabled());
  test::ClickWidget(view, 8);
  ASSERT_TRUE(test::WaitUntil([&] { return form.Caption() == "a - Lumetta"; }));
  FocusPage(form);
  ASSERT_TRUE(test::SendKeys("%{RIGHT}", form.Window()));
  ASSERT_TRUE(test::WaitUntil([&] { return form.Caption() == "b - Lumetta"; }));

  FocusPage(form);
  ASSERT_TRUE(test::SendKeys("^{+}", form.Window()));
  EXPECT_TRUE(test::WaitUntil([&] { return form.mlngPageZoom == 120; }));
  ASSERT_TRUE(test::SendKeys("^-", form.Window()));
  test::RunFor(500);
  EXPECT_EQ(form.mlngPageZoom, 120);
  ASSERT_TRUE(test::SendKeys("^0", form.Window()));
  EXPECT_TRUE(test::WaitUntil([&] { return form.mlngPageZoom == 100; }));

  // Ctrl+N: a second window on the page's address, this one staying.
  ASSERT_TRUE(test::SendKeys("^n", form.Window()));
  ASSERT_TRUE(test::WaitUntil([&] { return WindowsTitled("b - Lumetta") == 2; }));
  EXPECT_EQ(windows_.OpenCount(), 2u);
}

// Middle-click, Ctrl+click and Shift+click open the link in a new main window without an
// opener, and the page stays; a middle-click beside the link opens nothing, whatever address
// the primary selection holds.
TEST_F(ControlInputTest, ClicksOpenLinksInNewWindows) {
  frmMain& form = OpenWindow(server_.Url("/links"));
  GtkWidget* view = FocusPage(form);
  const double width = gtk_widget_get_allocated_width(view);
  const double height = gtk_widget_get_allocated_height(view);

  test::ClickWidget(view, 2, GdkModifierType(0), width / 2, height / 4);
  ASSERT_TRUE(test::WaitUntil([&] { return WindowsTitled("no opener - Lumetta") == 1; }));
  EXPECT_EQ(windows_.OpenCount(), 2u);
  EXPECT_EQ(form.webMain->LocationURL(), server_.Url("/links"));

  for (const auto modifier : {GDK_CONTROL_MASK, GDK_SHIFT_MASK}) {
    FocusPage(form);
    test::ClickWidget(view, 1, modifier, width / 2, height / 4);
  }
  ASSERT_TRUE(test::WaitUntil([&] { return WindowsTitled("no opener - Lumetta") == 3; }));
  EXPECT_EQ(form.webMain->LocationURL(), server_.Url("/links"));

  Gtk::Clipboard::get(GDK_SELECTION_PRIMARY)->set_text(server_.Url("/a"));
  FocusPage(form);
  test::ClickWidget(view, 2, GdkModifierType(0), width / 2, height * 3 / 4);
  test::RunFor(500);
  EXPECT_EQ(windows_.OpenCount(), 4u);
  EXPECT_EQ(form.webMain->LocationURL(), server_.Url("/links"));
  EXPECT_EQ(server_.CountRequests("/a"), 0);
}

}  // namespace
}  // namespace lumetta
