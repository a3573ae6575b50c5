// One browser per desktop session: a second `lumetta` hands its address to the browser that
// runs, here this test process, and ends.
#include "shell/browser_application.h"

#include <glib.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/webkit_engine.h"
#include "tests/support/engine_browser.h"
#include "tests/support/local_server.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_session_bus.h"
#include "tests/support/wait.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {
namespace {

class BrowserApplicationTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { bus_ = new test::TestSessionBus; }
  static void TearDownTestSuite() {
    delete bus_;
    bus_ = nullptr;
  }

  BrowserApplicationTest() {
    server_.Serve("/", "<html><head><title>第二次启动</title></head><body>来了</body></html>");
    server_.Serve(
        "/alone",
        "<html><head><title>独自</title></head><body>独自"
        "<script>addEventListener('load', () => fetch('/loaded'));</script></body></html>");
  }

  // A browser program started by the test.
  struct Launched {
    GPid pid = 0;
    std::shared_ptr<std::optional<int>> status = std::make_shared<std::optional<int>>();
  };

  // Starts the browser program in `folder` with `arguments` and the environment `env`.
  static std::optional<Launched> Start(const std::vector<std::string>& arguments,
                                       const std::string& folder, gchar** env = nullptr) {
    std::vector<gchar*> argv = {const_cast<gchar*>(LUMETTA_PROGRAM)};
    for (const std::string& argument : arguments) {
      argv.push_back(const_cast<gchar*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    Launched launched;
    if (!g_spawn_async(folder.c_str(), argv.data(), env, G_SPAWN_DO_NOT_REAP_CHILD, nullptr,
                       nullptr, &launched.pid, nullptr)) {
      return std::nullopt;
    }
    g_child_watch_add(
        launched.pid,
        [](GPid child, gint wait_status, gpointer data) {
          const std::unique_ptr<std::shared_ptr<std::optional<int>>> status(
              static_cast<std::shared_ptr<std::optional<int>>*>(data));
          g_spawn_close_pid(child);
          **status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1;
        },
        new std::shared_ptr<std::optional<int>>(launched.status));
    return launched;
  }

  // The exit status of a started program once it has ended; nothing when it has not in time.
  static std::optional<int> Ended(const Launched& launched) {
    test::WaitUntil([&] { return launched.status->has_value(); }, 60000);
    return *launched.status;
  }

  static std::optional<int> Launch(const std::vector<std::string>& arguments,
                                   const std::string& folder) {
    const std::optional<Launched> launched = Start(arguments, folder);
    return launched ? Ended(*launched) : std::nullopt;
  }

  // A fresh browser's first page starts its sandboxed web process cold: on a loaded machine
  // with the sanitizers that has taken more than ten seconds.
  bool Shows(size_t window, const std::string& title) {
    return test::WaitUntil(
        [&] {
          MainWindows& windows = *application_.Windows();
          return windows.OpenCount() > window &&
                 windows.OpenWindow(window).webMain->LocationName() == title;
        },
        30000);
  }

  static test::TestSessionBus* bus_;
  test::TempDir temp_;
  test::LocalServer server_;
  WebKitEngine engine_;
  BrowserApplication application_{
      [this] { return std::make_unique<test::EngineBrowser>(engine_); }};
};

test::TestSessionBus* BrowserApplicationTest::bus_ = nullptr;

TEST_F(BrowserApplicationTest, ASecondLaunchEndsAndTheBrowserOpensItsAddress) {
  temp_.Write("本地/页面.html",
              "<html><head><meta charset='utf-8'><title>本地页面</title></head></html>");
  const int status = test::RunAsBrowser(application_, server_.Url("/"), [&] {
    ASSERT_TRUE(Shows(0, "第二次启动"));

    EXPECT_EQ(Launch({server_.Url("/")}, temp_.Path()), 0);
    ASSERT_TRUE(Shows(1, "第二次启动"));
    EXPECT_EQ(application_.Windows()->OpenWindow(1).txtURL.Text(), server_.Url("/"));

    // A file named relative to the launch's working folder, not the browser's.
    EXPECT_EQ(Launch({"页面.html"}, temp_.Path() + "/本地"), 0);
    EXPECT_TRUE(Shows(2, "本地页面"));
    EXPECT_EQ(application_.Windows()->OpenCount(), 3u);
  });
  // Its last window closed, the browser has ended.
  EXPECT_EQ(status, 0);
}

TEST_F(BrowserApplicationTest, WithoutASessionBusTheProgramRunsAlone) {
  // The address of a bus whose folder is gone, as a session that has ended leaves behind.
  gchar** env = g_environ_setenv(g_get_environ(), "DBUS_SESSION_BUS_ADDRESS",
                                 ("unix:path=" + temp_.Path() + "/ended/bus").c_str(), TRUE);
  const std::optional<Launched> launched = Start({server_.Url("/alone")}, temp_.Path(), env);
  g_strfreev(env);
  ASSERT_TRUE(launched);
  EXPECT_TRUE(test::WaitUntil([&] { return server_.CountRequests("/loaded") > 0; }, 60000));
  EXPECT_FALSE(launched->status->has_value()) << "it ended with " << launched->status->value_or(-1);
  kill(launched->pid, SIGTERM);
  EXPECT_TRUE(Ended(*launched).has_value());
}

}  // namespace
}  // namespace lumetta
