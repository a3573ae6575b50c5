// What a page may ask of the user, asked on the real engine.
#include <gtest/gtest.h>
#include <gtkmm/window.h>

#include "engine/webkit_engine.h"
#include "platform/platform.h"
#include "tests/support/evaluate_script.h"
#include "tests/support/fake_message_box.h"
#include "tests/support/local_server.h"
#include "tests/support/wait.h"

namespace lumetta {
namespace {

class PermissionTest : public testing::Test {
 protected:
  PermissionTest() {
    ThePlatform().message_box = &box_;
    // The outcome of each request lands in the title.
    server_.Serve("/where",
                  "<html><head><title>where</title></head><body><script>"
                  "function ask() { navigator.geolocation.getCurrentPosition("
                  "  function () { document.title = 'position'; },"
                  "  function (e) { document.title = 'error ' + e.code; }); }"
                  "</script></body></html>");
    control_ = engine_.Create();
    window_.add(control_->GetWidget());
    window_.show_all();
  }
  ~PermissionTest() override {
    window_.remove();
    ThePlatform().message_box = nullptr;
  }

  bool Load(const std::string& path) {
    control_->Navigate(server_.Url(path));
    return test::WaitUntil([&] { return control_->LocationName() == "where"; });
  }
  // The page asks for the user's position; gives the outcome the page saw.
  std::string Ask() {
    test::EvaluateScript(control_->GetWidget(), "document.title = 'asking'; 0");
    test::WaitUntil([&] { return control_->LocationName() == "asking"; });
    test::EvaluateScript(control_->GetWidget(), "ask(); 0");
    test::WaitUntil([&] { return control_->LocationName() != "asking"; });
    return control_->LocationName();
  }

  test::FakeMessageBox box_;
  test::LocalServer server_;
  WebKitEngine engine_;
  std::unique_ptr<BrowserControl> control_;
  Gtk::Window window_;
};

TEST_F(PermissionTest, LocationRefusedByTheUserIsDeniedToThePageAndNotAskedAgain) {
  control_->SetSilent(true);
  ASSERT_TRUE(Load("/where"));
  box_.answers = {kIdNo};
  // PERMISSION_DENIED.
  EXPECT_EQ(Ask(), "error 1");
  ASSERT_EQ(box_.shown.size(), 1u);
  EXPECT_EQ(box_.shown[0].prompt, "“127.0.0.1”想要使用您的位置信息。允许吗？");
  EXPECT_EQ(box_.shown[0].style, kMbYesNo | kMbIconQuestion);
  EXPECT_EQ(box_.shown[0].title, "琉梅塔");

  // The answer holds for the site, in every window, until the browser ends.
  auto other = engine_.Create();
  Gtk::Window other_window;
  other_window.add(other->GetWidget());
  other_window.show_all();
  std::swap(control_, other);
  ASSERT_TRUE(Load("/where"));
  EXPECT_EQ(Ask(), "error 1");
  EXPECT_EQ(box_.shown.size(), 1u);
  std::swap(control_, other);
  other_window.remove();
}

TEST_F(PermissionTest, RequestOfAWindowClosedDuringTheQuestionIsRefused) {
  ASSERT_TRUE(Load("/where"));
  box_.answers = {kIdYes};
  box_.while_shown = [&] { window_.hide(); };
  EXPECT_EQ(Ask(), "error 1");
  // Nothing was kept: asked again once the window is back. The engine keeps a refusal for the
  // document, so a fresh one asks.
  window_.show();
  box_.while_shown = nullptr;
  box_.answers = {kIdNo};
  control_->Refresh();
  ASSERT_TRUE(test::WaitUntil([&] { return control_->LocationName() == "where"; }));
  EXPECT_EQ(Ask(), "error 1");
  EXPECT_EQ(box_.shown.size(), 2u);
}

}  // namespace
}  // namespace lumetta
