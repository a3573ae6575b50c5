// The options panel deleting the browsing history with the browser program: in the browser that
// runs in the session (here this test process, on a session bus of the test's own), and in the
// profile when none runs.
#include "platform/browsing_data.h"

#include <gtest/gtest.h>
#include <gtkmm/window.h>
#include <webkit2/webkit2.h>

#include <filesystem>
#include <optional>

#include "engine/webkit_engine.h"
#include "options/browsing_data_client.h"
#include "platform/url_history.h"
#include "shell/browser_application.h"
#include "tests/support/engine_browser.h"
#include "tests/support/local_server.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_session_bus.h"
#include "tests/support/wait.h"

namespace lumetta {
namespace {

class BrowsingDataTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { bus_ = new test::TestSessionBus; }
  static void TearDownTestSuite() {
    delete bus_;
    bus_ = nullptr;
  }

  BrowsingDataTest() {
    test::LocalServer::Page login;
    login.body = "<html><head><title>登录</title></head><body>已登录</body></html>";
    login.headers["Set-Cookie"] = "session=1; Max-Age=86400; Path=/";
    login.headers["Cache-Control"] = "max-age=86400";
    server_.Serve("/login", login);
    server_.Serve("/echo", "<html><head><title>echo</title></head><body>e</body></html>");
    window_.add(control_->GetWidget());
    window_.show_all();
  }
  ~BrowsingDataTest() override { window_.remove(); }

  bool Load(const std::string& path) {
    control_->Navigate(server_.Url(path));
    return test::WaitUntil([&] {
      return control_->LocationURL() == server_.Url(path) &&
             !webkit_web_view_is_loading(WEBKIT_WEB_VIEW(control_->GetWidget().gobj()));
    });
  }
  // What the panel deletes in a running browser, and what it leaves.
  void DeleteInTheRunningBrowser();
  std::optional<bool> Delete(uint32_t kinds, const std::string& program) {
    std::optional<bool> deleted;
    DeleteBrowsingData(kinds, program, [&](bool result) { deleted = result; });
    test::WaitUntil([&] { return deleted.has_value(); }, 60000);
    return deleted;
  }

  static test::TestSessionBus* bus_;
  test::TempDir temp_;
  std::string history_path_ = temp_.Path() + "/history";
  FileUrlHistory history_{history_path_};
  test::LocalServer server_;
  std::unique_ptr<WebKitEngine> engine_ =
      std::make_unique<WebKitEngine>(WebKitEngine::Options{&history_});
  std::unique_ptr<BrowserControl> control_ = engine_->Create();
  Gtk::Window window_;
};

test::TestSessionBus* BrowsingDataTest::bus_ = nullptr;

TEST_F(BrowsingDataTest, RunningBrowserDeletesWhatIsTickedAndNothingElse) {
  BrowserApplication browser([this] { return std::make_unique<test::EngineBrowser>(*engine_); });
  test::RunAsBrowser(browser, "about:blank", [this] { DeleteInTheRunningBrowser(); });
}

void BrowsingDataTest::DeleteInTheRunningBrowser() {
  ASSERT_TRUE(Load("/login"));
  ASSERT_TRUE(Load("/echo"));
  ASSERT_EQ(server_.LastCookie("/echo"), "session=1");

  EXPECT_EQ(Delete(kVisitedAddresses, LUMETTA_PROGRAM), true);
  EXPECT_TRUE(history_.Entries().empty());
  EXPECT_FALSE(std::filesystem::exists(history_path_));
  // The cookie and the cached page stay.
  ASSERT_TRUE(Load("/echo"));
  EXPECT_EQ(server_.LastCookie("/echo"), "session=1");
  ASSERT_TRUE(Load("/login"));
  EXPECT_EQ(server_.CountRequests("/login"), 1);

  EXPECT_EQ(Delete(kEngineCache | kCookiesAndSiteData, LUMETTA_PROGRAM), true);
  EXPECT_EQ(history_.Entries().size(), 2u);
  ASSERT_TRUE(Load("/echo"));
  EXPECT_EQ(server_.LastCookie("/echo"), "");
  // Once the copy the engine may still have been writing is cleared too.
  test::RunFor(2000);
  ASSERT_TRUE(Load("/login"));
  EXPECT_EQ(server_.CountRequests("/login"), 2);
}

TEST_F(BrowsingDataTest, WithoutARunningBrowserTheProgramDeletes) {
  // The browser program keeps its history in the profile's file, as this test's history does.
  const std::string profile_history = std::string(g_getenv("XDG_DATA_HOME")) + "/lumetta/history";
  FileUrlHistory(profile_history).Record("http://访问过.test/");
  ASSERT_TRUE(std::filesystem::exists(profile_history));

  EXPECT_EQ(Delete(kVisitedAddresses | kEngineCache, LUMETTA_PROGRAM), true);
  EXPECT_FALSE(std::filesystem::exists(profile_history));
  EXPECT_EQ(Delete(kVisitedAddresses, temp_.Path() + "/no-such-browser"), false);
}

}  // namespace
}  // namespace lumetta
