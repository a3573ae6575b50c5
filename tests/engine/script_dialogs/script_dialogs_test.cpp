// A page's alert, confirm and prompt on the real engine, and navigations that go past them.
#include <gtest/gtest.h>
#include <gtkmm/window.h>

#include "engine/webkit_engine.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/local_server.h"
#include "tests/support/wait.h"

namespace lumetta {
namespace {

constexpr char kDialogTitle[] = "来自网页的消息";

class ScriptDialogsTest : public testing::Test {
 protected:
  ScriptDialogsTest() {
    server_.Serve("/ask",
                  "<html><head><title>ask</title></head><body><script>"
                  "setTimeout(function () {"
                  "  var name = prompt('您的名字？', '张三');"
                  "  document.title = (confirm('继续吗？') ? 'yes ' : 'no ') + name;"
                  "}, 0);</script></body></html>");
    server_.Serve("/loop",
                  "<html><head><title>loop</title></head><body><script>"
                  "setTimeout(function () { while (true) alert('又一次'); }, 0);"
                  "</script></body></html>");
    server_.Serve("/other", "<html><head><title>other</title></head><body>o</body></html>");
    window_.add(control_->GetWidget());
    window_.show_all();
  }
  ~ScriptDialogsTest() override { window_.remove(); }

  bool Shows(const std::string& title) {
    return test::WaitUntil([&] { return control_->LocationName() == title; });
  }

  test::LocalServer server_;
  WebKitEngine engine_;
  std::unique_ptr<BrowserControl> control_ = engine_.Create();
  Gtk::Window window_;
};

TEST_F(ScriptDialogsTest, QuestionsAreAnsweredInTheControlsOwnWindow) {
  control_->Navigate(server_.Url("/ask"));
  GtkWindow* prompt = test::WaitForWindow(kDialogTitle);
  ASSERT_NE(prompt, nullptr);
  EXPECT_NE(test::TextOf(prompt).find("您的名字？"), std::string::npos);
  // It stands over the page's window without holding it.
  EXPECT_EQ(gtk_window_get_transient_for(prompt), window_.gobj());
  EXPECT_FALSE(gtk_window_get_modal(prompt));
  ASSERT_TRUE(test::Click(prompt, "确定"));
  // The next question comes in a window of its own.
  GtkWindow* confirm = nullptr;
  ASSERT_TRUE(test::WaitUntil([&] {
    confirm = test::WaitForWindow(kDialogTitle, 0);
    return confirm != nullptr && test::TextOf(confirm).find("继续吗？") != std::string::npos;
  }));
  ASSERT_TRUE(test::Click(confirm, "取消"));
  EXPECT_TRUE(Shows("no 张三"));
}

TEST_F(ScriptDialogsTest, UsersNavigationGoesPastAPageStuckInAlerts) {
  control_->Navigate(server_.Url("/loop"));
  ASSERT_NE(test::WaitForWindow(kDialogTitle), nullptr);
  control_->Navigate(server_.Url("/other"));
  EXPECT_TRUE(Shows("other"));
  EXPECT_TRUE(test::WaitUntil([] { return !test::IsShown(kDialogTitle); }));
  // The fresh page is an ordinary one: no crash page stood in between.
  EXPECT_EQ(control_->LocationURL(), server_.Url("/other"));
}

}  // namespace
}  // namespace lumetta
