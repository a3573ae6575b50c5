#include <gtest/gtest.h>

#include <memory>

#include "app/settings.h"
#include "engine/webkit_engine.h"
#include "shell/main_windows.h"
#include "tests/support/local_server.h"
#include "tests/support/wait.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {
namespace {

// A window over the real engine whose search templates point at the local server.
class SearchEngineTest : public testing::Test {
 protected:
  SearchEngineTest() {
    server_.Serve("/start", "<title>start</title>");
    server_.Serve("/baidu", "<title>results</title>");
    server_.Serve("/search", "<title>results</title>");
    form_.mstrURLNewWindow = server_.Url("/start");
    form_.Show();
    for (int slot = 0; slot < 3; ++slot) {
      const std::string& url = gstrSearchURL[slot];
      gstrSearchURL[slot] = server_.Url(url.substr(url.find('/', url.find("://") + 3)));
    }
  }

  test::LocalServer server_;
  std::unique_ptr<BrowserControlFactory> factory_ = std::make_unique<WebKitEngine>();
  MainWindows windows_{*factory_, {}};
  frmMain& form_ = windows_.CreateMainWindow();
};

TEST_F(SearchEngineTest, ServerReceivesTheKeywordEncodedOnce) {
  form_.txtSearch.SetText(" 琉梅塔 a&b c#1%2F ");
  form_.imgToolBar(kToolSearch).PerformClick();
  const std::string request =
      "/baidu?wd=%E7%90%89%E6%A2%85%E5%A1%94%20a%26b%20c%231%252F&tn=brintal_dg";
  EXPECT_TRUE(test::WaitUntil([&] { return server_.CountRequests(request) == 1; }))
      << testing::PrintToString(server_.Requests());
  EXPECT_TRUE(test::WaitUntil([&] { return form_.webMain->LocationName() == "results"; }));
  EXPECT_EQ(form_.webMain->LocationURL(), server_.Url(request));
}

TEST_F(SearchEngineTest, ChosenEnginesTemplateIsRequested) {
  form_.mnuMainToolSearchType(2).PerformClick();
  form_.txtSearch.SetText("abc");
  form_.txtSearch.KeyPress.emit(kKeyReturn);
  EXPECT_TRUE(test::WaitUntil([&] { return server_.CountRequests("/search?q=abc") == 1; }))
      << testing::PrintToString(server_.Requests());
}

}  // namespace
}  // namespace lumetta
