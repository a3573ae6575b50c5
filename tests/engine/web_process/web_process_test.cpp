// Pages whose process dies or stops answering, in main windows on the real engine.
#include <gtest/gtest.h>
#include <signal.h>
#include <webkit2/webkit2.h>

#include "engine/webkit_engine.h"
#include "shell/main_windows.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/evaluate_script.h"
#include "tests/support/local_server.h"
#include "tests/support/page_input.h"
#include "tests/support/wait.h"
#include "tests/support/web_processes.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {
namespace {

class WebProcessTest : public testing::Test {
 protected:
  WebProcessTest() {
    server_.Serve("/a", "<html><head><title>甲页</title></head><body>a</body></html>");
    server_.Serve("/b", "<html><head><title>乙页</title></head><body>b</body></html>");
    // A click keeps the page busy for `ms` milliseconds; the whole page is the button.
    server_.Serve("/busy",
                  "<html><head><title>忙页</title></head><body style=\"margin:0\">"
                  "<div style=\"position:fixed;inset:0\" onclick=\"var end = Date.now() + "
                  "(location.hash ? 1e9 : 13000); while (Date.now() < end) {}\">x</div>"
                  "</body></html>");
  }

  frmMain& OpenWindow(const std::string& url, const std::string& title) {
    frmMain& form = windows_.CreateMainWindow();
    form.mstrURLNewWindow = url;
    form.Show();
    EXPECT_TRUE(test::WaitUntil([&] { return Caption(form) == title + " - Lumetta"; }));
    return form;
  }
  static std::string Caption(frmMain& form) { return form.Window().get_title(); }
  static Gtk::Widget& Page(frmMain& form) { return form.webMain.Get().GetWidget(); }

  test::LocalServer server_;
  WebKitEngine engine_;
  MainWindows windows_{engine_, {}};
};

TEST_F(WebProcessTest, KilledProcessShowsTheCrashPageOfItsWindowOnly) {
  frmMain& other = OpenWindow(server_.Url("/a"), "甲页");
  const std::set<pid_t> before = test::WebProcesses();
  // A site no other test visits: the engine keeps the processes of closed pages for later pages
  // of their site, and this page must start one of its own.
  ASSERT_TRUE(server_.AlsoListenOn("127.0.0.3"));
  const std::string url = server_.Url("/b", "127.0.0.3");
  frmMain& form = OpenWindow(url, "乙页");
  std::set<pid_t> added;
  for (pid_t pid : test::WebProcesses()) {
    if (!before.contains(pid)) added.insert(pid);
  }
  ASSERT_FALSE(added.empty());
  for (pid_t pid : added) kill(pid, SIGKILL);

  ASSERT_TRUE(test::WaitUntil([&] { return Caption(form) == "网页已崩溃 - Lumetta"; }));
  EXPECT_EQ(form.webMain->LocationURL(), url);
  const auto text = test::EvaluateScript(Page(form), "document.body.innerText");
  ASSERT_TRUE(text);
  EXPECT_NE(text->find("显示此网页的进程意外结束。"), std::string::npos);
  EXPECT_NE(text->find("重新加载"), std::string::npos);
  // The other window's page lives on.
  EXPECT_EQ(Caption(other), "甲页 - Lumetta");
  EXPECT_EQ(test::EvaluateScript(Page(other), "document.title"), "甲页");

  // Refresh loads the address again, in a fresh process.
  form.mnuMainViewRefresh.PerformClick();
  ASSERT_TRUE(test::WaitUntil([&] { return Caption(form) == "乙页 - Lumetta"; }));
  EXPECT_EQ(server_.CountRequests("/b"), 2);
}

// The engine notices a page that does not answer only when something is sent to it: the user's
// click here.
TEST_F(WebProcessTest, PageThatStopsAnsweringIsAskedAboutAndCanBeEnded) {
  frmMain& form = OpenWindow(server_.Url("/busy"), "忙页");
  test::ClickWidget(Page(form).gobj());
  // Asked after ten seconds, and gone by itself when the page answers again.
  GtkWindow* dialog = test::WaitForWindow("网页无响应", 12000);
  ASSERT_NE(dialog, nullptr);
  EXPECT_NE(test::TextOf(dialog).find(server_.Url("/busy")), std::string::npos);
  EXPECT_TRUE(test::WaitUntil([] { return !test::IsShown("网页无响应"); }, 8000));

  // A page busy for good is ended at the user's word.
  form.webMain->Navigate(server_.Url("/busy#forever"));
  ASSERT_TRUE(
      test::WaitUntil([&] { return form.webMain->LocationURL() == server_.Url("/busy#forever"); }));
  test::ClickWidget(Page(form).gobj());
  dialog = test::WaitForWindow("网页无响应", 12000);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(test::Click(dialog, "结束网页(_K)"));
  EXPECT_TRUE(test::WaitUntil([&] { return Caption(form) == "网页已崩溃 - Lumetta"; }));
  EXPECT_FALSE(test::IsShown("网页无响应"));
}

}  // namespace
}  // namespace lumetta
