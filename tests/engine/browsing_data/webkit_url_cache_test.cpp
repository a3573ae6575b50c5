// Clearing history and cache from the Tools menu of a window on the real engine.
#include "engine/browsing_data/webkit_url_cache.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <gtkmm/entrycompletion.h>
#include <webkit2/webkit2.h>

#include "engine/webkit_engine.h"
#include "platform/platform.h"
#include "platform/url_history.h"
#include "shell/main_windows.h"
#include "tests/support/fake_message_box.h"
#include "tests/support/local_server.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

// The address completion is one model for the whole process, bound to the history it first
// saw: every test of this program shares this one.
struct SharedHistory {
  test::TempDir folder;
  std::string path = folder.Path() + "/history";
  FileUrlHistory history{path};
};
SharedHistory& Shared() {
  static SharedHistory shared;
  return shared;
}
FileUrlHistory& History() { return Shared().history; }

class ClearOnEngineTest : public testing::Test {
 protected:
  ClearOnEngineTest() {
    test::LocalServer::Page cached;
    cached.body = "<html><head><title>缓存页</title></head><body>缓存</body></html>";
    cached.headers["Cache-Control"] = "max-age=86400";
    server_.Serve("/cached", cached);
    server_.Serve("/other", "<html><head><title>other</title></head><body>o</body></html>");
    ThePlatform().url_history = &History();
    ThePlatform().url_cache = engine_.GetUrlCache();
    ThePlatform().message_box = &box_;
  }
  ~ClearOnEngineTest() override {
    ThePlatform().url_history = nullptr;
    ThePlatform().url_cache = nullptr;
    ThePlatform().message_box = nullptr;
  }

  bool Shows(frmMain& form, const std::string& url) {
    return test::WaitUntil([&] {
      return form.txtURL.Text() == url &&
             !webkit_web_view_is_loading(WEBKIT_WEB_VIEW(form.webMain->GetWidget().gobj()));
    });
  }
  frmMain& OpenWindow(const std::string& url) {
    frmMain& form = windows_.CreateMainWindow();
    form.mstrURLNewWindow = url;
    form.Show();
    EXPECT_TRUE(Shows(form, url));
    return form;
  }
  static std::vector<std::string> Offered(frmMain& form) {
    std::vector<std::string> offered;
    const auto completion = form.txtURL.Entry().get_completion();
    if (!completion) return offered;
    for (const auto& row : completion->get_model()->children()) {
      Glib::ustring address;
      row.get_value(completion->get_text_column(), address);
      offered.push_back(address);
    }
    return offered;
  }

  test::LocalServer server_;
  test::FakeMessageBox box_;
  WebKitEngine engine_{{.history = &History()}};
  MainWindows windows_{engine_, {}};
};

TEST_F(ClearOnEngineTest, ClearedPageIsFetchedAgainAndNoLongerOffered) {
  const std::string cached = server_.Url("/cached");
  frmMain& form = OpenWindow(cached);
  frmMain& other = OpenWindow(server_.Url("/other"));
  // Seen again, the page comes from the cache.
  form.webMain->Navigate(server_.Url("/other"));
  ASSERT_TRUE(Shows(form, server_.Url("/other")));
  form.webMain->Navigate(cached);
  ASSERT_TRUE(Shows(form, cached));
  ASSERT_EQ(server_.CountRequests("/cached"), 1);
  ASSERT_THAT(Offered(other), testing::Contains(cached));

  box_.answers = {kIdYes};
  form.mnuMainToolHistoryClearExplorer.PerformClick();

  ASSERT_EQ(box_.shown.size(), 2u);
  EXPECT_EQ(box_.shown[1].prompt, "已经清除成功!");
  EXPECT_THAT(History().Entries(), IsEmpty());
  EXPECT_THAT(FileUrlHistory(Shared().path).Entries(), IsEmpty());
  EXPECT_THAT(Offered(other), IsEmpty());
  // The page was fetched just before: its copy the engine was still writing is cleared too.
  test::RunFor(2000);
  frmMain& again = OpenWindow(cached);
  EXPECT_EQ(server_.CountRequests("/cached"), 2);
  EXPECT_THAT(Offered(again), ElementsAre(cached));
}

}  // namespace
}  // namespace lumetta
