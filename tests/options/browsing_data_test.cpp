// The options panel deleting the browsing history: of a browser that runs, over a session bus
// of the test's own, and with the browser program when none runs.
#include "platform/browsing_data.h"

#include <gio/gio.h>
#include <gtest/gtest.h>
#include <gtkmm/window.h>
#include <webkit2/webkit2.h>

#include <filesystem>
#include <optional>

#include "engine/browsing_data/browsing_data_service.h"
#include "engine/web_context.h"
#include "engine/webkit_engine.h"
#include "options/browsing_data_client.h"
#include "platform/url_history.h"
#include "tests/support/local_server.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait.h"

namespace lumetta {
namespace {

class BrowsingDataTest : public testing::Test {
 protected:
  // Starting and stopping the bus unset DISPLAY, which the engine's processes need.
  static void SetUpTestSuite() {
    bus_ = g_test_dbus_new(G_TEST_DBUS_NONE);
    const test::ScopedEnv display{"DISPLAY"};
    g_test_dbus_up(bus_);
  }
  static void TearDownTestSuite() {
    const test::ScopedEnv display{"DISPLAY"};
    g_test_dbus_down(bus_);
    g_clear_object(&bus_);
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
  std::optional<bool> Delete(uint32_t kinds, const std::string& program) {
    std::optional<bool> deleted;
    DeleteBrowsingData(kinds, program, [&](bool result) { deleted = result; });
    test::WaitUntil([&] { return deleted.has_value(); }, 60000);
    return deleted;
  }

  static GTestDBus* bus_;
  test::TempDir temp_;
  std::string history_path_ = temp_.Path() + "/history";
  FileUrlHistory history_{history_path_};
  test::LocalServer server_;
  std::unique_ptr<BrowserControlFactory> factory_ =
      std::make_unique<WebKitEngine>(WebKitEngine::Options{&history_});
  std::unique_ptr<BrowserControl> control_ = factory_->Create();
  Gtk::Window window_;
};

GTestDBus* BrowsingDataTest::bus_ = nullptr;

TEST_F(BrowsingDataTest, RunningBrowserDeletesWhatIsTickedAndNothingElse) {
  BrowsingDataService service(history_, ProcessWebContext());
  ASSERT_TRUE(test::WaitUntil([&] { return service.Reachable(); }));
  ASSERT_TRUE(Load("/login"));
  ASSERT_TRUE(Load("/echo"));
  ASSERT_EQ(server_.LastCookie("/echo"), "session=1");

  EXPECT_EQ(Delete(kVisitedAddresses, "/nonexistent"), true);
  EXPECT_TRUE(history_.Entries().empty());
  EXPECT_FALSE(std::filesystem::exists(history_path_));
  // The cookie and the cached page stay.
  ASSERT_TRUE(Load("/echo"));
  EXPECT_EQ(server_.LastCookie("/echo"), "session=1");
  ASSERT_TRUE(Load("/login"));
  EXPECT_EQ(server_.CountRequests("/login"), 1);

  EXPECT_EQ(Delete(kEngineCache | kCookiesAndSiteData, "/nonexistent"), true);
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
