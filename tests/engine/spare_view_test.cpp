// A further main window's view made ahead: its page opens in a web process already running.
#include "engine/spare_view.h"

#include <gtest/gtest.h>
#include <gtkmm/window.h>

#include <memory>
#include <set>

#include "engine/webkit_engine.h"
#include "tests/support/local_server.h"
#include "tests/support/wait.h"
#include "tests/support/web_processes.h"

namespace lumetta {
namespace {

bool Shows(BrowserControl& control, const std::string& title) {
  return test::WaitUntil([&] {
    return control.LocationName() == title &&
           !webkit_web_view_is_loading(WEBKIT_WEB_VIEW(control.GetWidget().gobj()));
  });
}

TEST(SpareViewTest, TheNextWindowOpensItsPageInAProcessStartedAhead) {
  test::LocalServer server;
  server.Serve("/", "<html><head><title>第一个</title></head><body>一</body></html>");
  server.Serve("/next", "<html><head><title>第二个</title></head><body>二</body></html>");
  WebKitEngine engine({.spare_view = true});
  Gtk::Window first_window;
  const auto first = engine.Create();
  first_window.add(first->GetWidget());
  first_window.show_all();
  first->Navigate(server.Url("/"));
  ASSERT_TRUE(Shows(*first, "第一个"));
  // Once the first page has loaded, a process starts for the next window.
  const std::set<pid_t> before = test::WebProcesses();
  ASSERT_TRUE(test::WaitUntil([&] { return test::WebProcesses().size() > before.size(); }));
  const std::set<pid_t> ahead = test::WebProcesses();

  const auto next = engine.Create();
  Gtk::Window next_window;
  next_window.add(next->GetWidget());
  next_window.show_all();
  next->Navigate(server.Url("/next"));
  ASSERT_TRUE(Shows(*next, "第二个"));
  for (const pid_t pid : test::WebProcesses()) {
    EXPECT_TRUE(ahead.contains(pid)) << "a process started for " << pid;
  }
  // Nothing before its page: the process was started without one.
  EXPECT_FALSE(webkit_web_view_can_go_back(WEBKIT_WEB_VIEW(next->GetWidget().gobj())));
  next_window.remove();
  first_window.remove();
}

}  // namespace
}  // namespace lumetta
