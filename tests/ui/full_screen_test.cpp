// A page going full screen in a main window on the real engine.
#include <gtest/gtest.h>
#include <gtkmm/label.h>

#include <map>

#include "engine/webkit_engine.h"
#include "shell/main_windows.h"
#include "tests/support/keystrokes.h"
#include "tests/support/local_server.h"
#include "tests/support/page_input.h"
#include "tests/support/wait.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {
namespace {

using Allocations = std::map<std::string, std::string>;

// Where every control of the window lies, by name and index, and the window's size and state.
Allocations AllocationsOf(frmMain& form) {
  Allocations allocations;
  int width = 0;
  int height = 0;
  form.Window().get_size(width, height);
  allocations["window"] = std::to_string(width) + "x" + std::to_string(height) +
                          (form.Window().is_maximized() ? " maximised" : "");
  for (Control* control : form.GetControls()) {
    Gtk::Widget* widget = control->Widget();
    if (widget == nullptr) continue;
    const Gtk::Allocation a = widget->get_allocation();
    allocations[control->Name() + "(" + std::to_string(control->Index()) + ")"] =
        std::to_string(a.get_x()) + "," + std::to_string(a.get_y()) + " " +
        std::to_string(a.get_width()) + "x" + std::to_string(a.get_height()) +
        (widget->get_mapped() ? "" : " unmapped");
  }
  return allocations;
}

// Whether the note on leaving full screen is up.
bool HintShown() {
  for (Gtk::Window* window : Gtk::Window::list_toplevels()) {
    auto* label = dynamic_cast<Gtk::Label*>(window->get_child());
    if (label != nullptr && window->get_visible() && label->get_text() == "按 Esc 键退出全屏") {
      return true;
    }
  }
  return false;
}

TEST(FullScreenTest, ThePageAloneFillsTheWindowUntilEsc) {
  test::LocalServer server;
  server.Serve("/video",
               "<html><head><title>video</title></head><body>"
               "<button style=\"position:fixed;left:0;top:0;width:100%;height:100%\" "
               "onclick=\"document.documentElement.requestFullscreen()\">全屏</button><script>"
               "document.onfullscreenchange = () => "
               "document.title = document.fullscreenElement ? 'full' : 'video';"
               "</script></body></html>");
  WebKitEngine engine;
  MainWindows windows(engine, {});
  frmMain& form = windows.CreateMainWindow();
  form.mstrURLNewWindow = server.Url("/video");
  form.Show();
  ASSERT_TRUE(test::WaitUntil([&] { return form.Caption() == "video - Lumetta"; }));
  Gtk::Widget& view = form.webMain.Get().GetWidget();
  Gtk::Widget& menu_bar = *form.mnuMainFile.Item().get_parent();
  ASSERT_TRUE(test::WaitUntil([&] { return view.get_mapped() && menu_bar.get_mapped(); }));
  const Allocations before = AllocationsOf(form);

  const auto enter = [&] {
    form.webMain->GrabFocus();
    test::ClickWidget(view.gobj());
    // Once the page has seen itself full screen.
    return test::WaitUntil(
        [&] { return !menu_bar.get_mapped() && form.Caption() == "full - Lumetta"; });
  };
  ASSERT_TRUE(enter());
  ASSERT_TRUE(test::WaitUntil([&] {
    return view.get_allocation() == form.Client().get_allocation() &&
           view.get_allocated_width() > 0;
  }));
  EXPECT_FALSE(form.picMainToolBar.Widget()->get_mapped());
  EXPECT_TRUE(HintShown());

  ASSERT_TRUE(test::SendKeys("{ESC}", form.Window()));
  EXPECT_TRUE(test::WaitUntil(
      [&] { return form.Caption() == "video - Lumetta" && AllocationsOf(form) == before; }));
  EXPECT_EQ(AllocationsOf(form), before);
  EXPECT_FALSE(HintShown());

  // A window closed while its page is full screen goes, and the browser with it does not.
  ASSERT_TRUE(enter());
  windows.Unload(form);
  test::RunFor(1000);
  EXPECT_EQ(windows.OpenCount(), 0u);
}

}  // namespace
}  // namespace lumetta
