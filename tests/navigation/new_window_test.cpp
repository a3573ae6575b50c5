// Main windows on the real engine: pages that open windows, and windows closed mid-way.
#include <gtest/gtest.h>
#include <webkit2/webkit2.h>

#include <filesystem>

#include "engine/webkit_engine.h"
#include "shell/main_windows.h"
#include "tests/support/local_server.h"
#include "tests/support/wait.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {
namespace {

class NewWindowTest : public testing::Test {
 protected:
  NewWindowTest() {
    server_.Serve("/opener",
                  "<html><head><title>opener</title></head><body>"
                  "<a id=\"blank\" href=\"/target\" target=\"_blank\">new</a>"
                  "<button id=\"open\" onclick=\"window.open('/target')\">open</button>"
                  "</body></html>");
    server_.Serve("/target",
                  "<html><head><title>target</title></head><body><script>"
                  "document.title = window.opener ? 'has opener' : 'no opener';"
                  "</script></body></html>");
    server_.Serve("/closer",
                  "<html><head><title>closer</title></head><body>"
                  "<button id=\"close\" onclick=\"for (var i = 0; i < 20; i++) window.close()\">"
                  "x</button></body></html>");
    server_.Serve("/flood",
                  "<html><head><title>flood</title></head><body>"
                  "<button id=\"flood\" style=\"position:fixed;left:0;top:0;width:100%;"
                  "height:100%\" onclick=\"for (var i = 0; i < 50; i++) "
                  "window.open('/target')\">flood</button></body></html>");
    server_.Serve("/spam",
                  "<html><body><script>for (var i = 0; i < 100; i++) "
                  "window.open('/target');</script></body></html>");
  }

  frmMain& OpenWindow(const std::string& url) {
    frmMain& form = windows_.CreateMainWindow();
    form.mstrURLNewWindow = url;
    form.Show();
    EXPECT_TRUE(test::WaitUntil([&] { return form.txtURL.Text() == url; }));
    return form;
  }
  void Click(frmMain& form, const std::string& id) {
    const std::string script = "document.getElementById('" + id + "').click()";
    webkit_web_view_evaluate_javascript(WEBKIT_WEB_VIEW(form.webMain.Get().GetWidget().gobj()),
                                        script.c_str(), -1, nullptr, nullptr, nullptr, nullptr,
                                        nullptr);
  }
  // A press and release of the first mouse button in the middle of the page, as the user
  // makes it.
  static void MouseClick(frmMain& form) {
    GtkWidget* view = form.webMain.Get().GetWidget().gobj();
    GdkWindow* window = gtk_widget_get_window(view);
    GdkDisplay* display = gdk_window_get_display(window);
    for (const GdkEventType type : {GDK_BUTTON_PRESS, GDK_BUTTON_RELEASE}) {
      GdkEvent* event = gdk_event_new(type);
      event->button.window = GDK_WINDOW(g_object_ref(window));
      event->button.time = GDK_CURRENT_TIME;
      event->button.button = 1;
      event->button.x = gtk_widget_get_allocated_width(view) / 2.0;
      event->button.y = gtk_widget_get_allocated_height(view) / 2.0;
      event->button.state = type == GDK_BUTTON_RELEASE ? GDK_BUTTON1_MASK : 0;
      gdk_event_set_device(event, gdk_seat_get_pointer(gdk_display_get_default_seat(display)));
      gdk_display_put_event(display, event);
      gdk_event_free(event);
    }
  }
  // The process's open descriptors of the engine's shared memory.
  static int SharedMemoryDescriptors() {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
      std::error_code error;
      const auto target = std::filesystem::read_symlink(entry.path(), error);
      if (!error && target.string().find("WebKitSharedMemory") != std::string::npos) ++count;
    }
    return count;
  }
  // Captions of the visible windows.
  static std::vector<std::string> Captions() {
    std::vector<std::string> captions;
    for (Gtk::Window* window : Gtk::Window::list_toplevels()) {
      if (window->get_visible()) captions.push_back(window->get_title());
    }
    return captions;
  }
  static bool HasCaption(const std::string& caption) {
    const auto captions = Captions();
    return std::find(captions.begin(), captions.end(), caption) != captions.end();
  }

  test::LocalServer server_;
  std::unique_ptr<BrowserControlFactory> factory_ = std::make_unique<WebKitEngine>();
  MainWindows windows_{*factory_, {}};
};

TEST_F(NewWindowTest, LinkWithABlankTargetOpensAMainWindowOnThePage) {
  frmMain& form = OpenWindow(server_.Url("/opener"));
  Click(form, "blank");
  // Such links open without an opener, as in every current browser.
  ASSERT_TRUE(test::WaitUntil([&] { return HasCaption("no opener - Lumetta"); }));
  EXPECT_EQ(windows_.OpenCount(), 2u);
  EXPECT_EQ(form.webMain->LocationURL(), server_.Url("/opener"));
  EXPECT_EQ(server_.CountRequests("/target"), 1);
}

TEST_F(NewWindowTest, ClickedWindowOpenOpensAMainWindowWithItsOpener) {
  frmMain& form = OpenWindow(server_.Url("/opener"));
  Click(form, "open");
  ASSERT_TRUE(test::WaitUntil([&] { return HasCaption("has opener - Lumetta"); }));
  EXPECT_EQ(windows_.OpenCount(), 2u);
  EXPECT_EQ(form.txtURL.Text(), server_.Url("/opener"));
}

// A page asking for many windows in one gesture gets one; the next click gets one more.
TEST_F(NewWindowTest, OneGestureOpensOneWindow) {
  frmMain& form = OpenWindow(server_.Url("/flood"));
  Click(form, "flood");
  ASSERT_TRUE(test::WaitUntil([&] { return windows_.OpenCount() == 2; }));
  test::RunFor(300);
  EXPECT_EQ(windows_.OpenCount(), 2u);

  form.Show();
  ASSERT_TRUE(test::WaitUntil(
      [&] { return gtk_widget_get_mapped(form.webMain.Get().GetWidget().gobj()); }));
  MouseClick(form);
  ASSERT_TRUE(test::WaitUntil([&] { return windows_.OpenCount() == 3; }));
  test::RunFor(300);
  EXPECT_EQ(windows_.OpenCount(), 3u);
}

// A window opened and closed again leaves nothing of the engine's behind.
TEST_F(NewWindowTest, ClosedWindowsLeaveNoSharedMemory) {
  frmMain& first = OpenWindow(server_.Url("/opener"));
  const auto cycle = [&] {
    frmMain& form = OpenWindow(server_.Url("/target"));
    ASSERT_TRUE(test::WaitUntil([&] { return form.Caption() == "no opener - Lumetta"; }));
    windows_.Unload(form);
    ASSERT_TRUE(test::WaitUntil([&] { return windows_.OpenCount() == 1; }));
  };
  for (int i = 0; i < 3; ++i) cycle();
  test::RunFor(300);
  const int before = SharedMemoryDescriptors();
  for (int i = 0; i < 5; ++i) cycle();
  // A closed window's web process, in its sandbox, may take a moment to let its memory go.
  EXPECT_TRUE(test::WaitUntil([&] { return SharedMemoryDescriptors() <= before; }, 5000))
      << SharedMemoryDescriptors() << " shared memory descriptors, " << before << " before";
  EXPECT_EQ(&windows_.OpenWindow(0), &first);
}

TEST_F(NewWindowTest, ScriptWithoutAGestureOpensNoWindow) {
  OpenWindow(server_.Url("/spam"));
  test::RunFor(300);
  EXPECT_EQ(windows_.OpenCount(), 1u);
  EXPECT_EQ(server_.CountRequests("/target"), 0);
}

// window.close() closes a window that a page opened, however often it is called, and never the
// window the user opened.
TEST_F(NewWindowTest, PageClosesOnlyAWindowAPageOpened) {
  frmMain& first = OpenWindow(server_.Url("/closer"));
  const int live = frmMain::InstanceCount();
  Click(first, "close");
  test::RunFor(300);
  ASSERT_EQ(windows_.OpenCount(), 1u);

  webkit_web_view_evaluate_javascript(WEBKIT_WEB_VIEW(first.webMain.Get().GetWidget().gobj()),
                                      "window.open('/closer')", -1, nullptr, nullptr, nullptr,
                                      nullptr, nullptr);
  ASSERT_TRUE(
      test::WaitUntil([&] { return HasCaption("closer - Lumetta") && windows_.OpenCount() == 2; }));
  frmMain& opened = windows_.OpenWindow(1);
  ASSERT_TRUE(test::WaitUntil([&] { return opened.txtURL.Text() == server_.Url("/closer"); }));
  Click(opened, "close");
  EXPECT_TRUE(test::WaitUntil([&] { return windows_.OpenCount() == 1; }));
  EXPECT_TRUE(test::WaitUntil([&] { return frmMain::InstanceCount() == live; }));
  EXPECT_EQ(&windows_.OpenWindow(0), &first);
}

TEST_F(NewWindowTest, OpenerClosedWhileThePageLoads) {
  frmMain& form = OpenWindow(server_.Url("/opener"));
  Click(form, "open");
  ASSERT_TRUE(test::WaitUntil([&] { return windows_.OpenCount() == 2; }));
  form.Unload();
  // The page still arrives; whether it saw its opener depends on when the opener went.
  EXPECT_TRUE(test::WaitUntil(
      [&] { return HasCaption("has opener - Lumetta") || HasCaption("no opener - Lumetta"); }));
}

TEST_F(NewWindowTest, NewWindowClosedWhileItsPageLoads) {
  frmMain& form = OpenWindow(server_.Url("/opener"));
  const int live = frmMain::InstanceCount();
  Click(form, "open");
  ASSERT_TRUE(test::WaitUntil([&] { return windows_.OpenCount() == 2; }));
  windows_.Unload(windows_.OpenWindow(1));
  EXPECT_TRUE(test::WaitUntil([&] { return windows_.OpenCount() == 1; }));
  EXPECT_TRUE(test::WaitUntil([&] { return frmMain::InstanceCount() == live; }));
  test::RunFor(200);
  EXPECT_EQ(form.webMain->LocationURL(), server_.Url("/opener"));
}

TEST_F(NewWindowTest, WindowClosedBetweenTheEventsOfANavigation) {
  frmMain& form = OpenWindow(server_.Url("/opener"));
  const int live = frmMain::InstanceCount();
  form.webMain->BeforeNavigate2.connect([&form](const std::string&) { form.Unload(); });
  form.txtURL.SetText(server_.Url("/target"));
  form.txtURL.KeyDown.emit(kKeyReturn, 0);
  EXPECT_TRUE(test::WaitUntil([&] { return frmMain::InstanceCount() == live - 1; }));
  test::RunFor(200);
}

}  // namespace
}  // namespace lumetta
