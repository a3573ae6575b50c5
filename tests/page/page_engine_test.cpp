// Page zoom and view source of main windows on the real engine.
#include <gtest/gtest.h>

#include <memory>

#include "app/report_error.h"
#include "app/resume_next.h"
#include "engine/webkit_engine.h"
#include "platform/platform.h"
#include "shell/main_windows.h"
#include "tests/support/evaluate_script.h"
#include "tests/support/fake_shell.h"
#include "tests/support/local_server.h"
#include "tests/support/wait.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {
namespace {

class PageEngineTest : public testing::Test {
 protected:
  PageEngineTest() { ThePlatform().shell = &shell_; }
  ~PageEngineTest() override { ThePlatform().shell = nullptr; }

  frmMain& OpenWindow(const std::string& path) {
    frmMain& form = windows_.CreateMainWindow();
    form.mstrURLNewWindow = server_.Url(path);
    form.Show();
    EXPECT_TRUE(test::WaitUntil([&] { return form.txtURL.Text() == server_.Url(path); }));
    return form;
  }
  void Navigate(frmMain& form, const std::string& path) {
    form.webMain->Navigate(server_.Url(path));
    EXPECT_TRUE(test::WaitUntil([&] { return form.txtURL.Text() == server_.Url(path); }));
  }
  static std::string Evaluate(frmMain& form, const std::string& script) {
    return test::EvaluateScript(form.webMain.Get().GetWidget(), script).value_or("(failed)");
  }
  static std::string BodyZoom(frmMain& form) {
    return Evaluate(form, "getComputedStyle(document.body).zoom");
  }

  test::LocalServer server_;
  test::FakeShell shell_;
  std::unique_ptr<BrowserControlFactory> factory_ = std::make_unique<WebKitEngine>();
  MainWindows windows_{*factory_, {}};
};

TEST_F(PageEngineTest, ZoomReplacesTheBodyStyleAndTheNextPageStartsUnscaled) {
  server_.Serve("/styled", "<html><body style=\"color: red\"><p>放大</p></body></html>");
  server_.Serve("/plain", "<html><body><p>下一页</p></body></html>");
  frmMain& form = OpenWindow("/styled");
  form.mnuMainViewPageZoomX(0).PerformClick();
  EXPECT_EQ(BodyZoom(form), "1.2");
  EXPECT_EQ(Evaluate(form, "document.body.getAttribute('style')"), "zoom: 1.2;");

  Navigate(form, "/plain");
  EXPECT_EQ(BodyZoom(form), "1");
  form.mnuMainViewPageZoomX(0).PerformClick();
  EXPECT_EQ(form.mlngPageZoom, 144);
  EXPECT_EQ(BodyZoom(form), "1.44");
}

// The window keeps the new percentage; the page stays as it was and the failure is reported.
TEST_F(PageEngineTest, ZoomThatFailsIsReportedAsSetPageZoom) {
  test::LocalServer::Page picture;
  picture.content_type = "image/svg+xml";
  picture.body = "<svg xmlns=\"http://www.w3.org/2000/svg\"><text y=\"20\">图</text></svg>";
  server_.Serve("/picture.svg", picture);
  frmMain& form = OpenWindow("/picture.svg");
  const ScopedReportSink reports;
  // An SVG document has no body to write the zoom into.
  form.mnuMainViewPageZoomX(0).PerformClick();
  EXPECT_EQ(form.mlngPageZoom, 120);
  form.mlngPageZoom = 2000000000;
  form.mnuMainViewPageZoomX(0).PerformClick();
  ASSERT_EQ(reports.Reports().size(), 2u);
  EXPECT_EQ(reports.Reports()[0].routine, "SetPageZoom");
  EXPECT_EQ(reports.Reports()[0].number, kErrObjectNotSet);
  EXPECT_EQ(reports.Reports()[1], (ErrorReport{"SetPageZoom", kErrOverflow, "Overflow"}));
}

TEST_F(PageEngineTest, AWindowClosedWhileItsBusyPageIsReadOpensNoEditor) {
  server_.Serve("/busy",
                "<html><body><script>"
                "addEventListener('load', () => { document.title = 'busy'; setTimeout(() => {"
                "  const end = Date.now() + 8000; while (Date.now() < end) {} }, 100); });"
                "</script></body></html>");
  frmMain& form = OpenWindow("/busy");
  ASSERT_TRUE(test::WaitUntil([&] { return form.webMain->LocationName() == "busy"; }));
  test::RunFor(300);
  g_timeout_add(
      200,
      [](gpointer form) {
        static_cast<frmMain*>(form)->Unload();
        return G_SOURCE_REMOVE;
      },
      &form);
  form.mnuMainViewSourceCode.PerformClick();
  EXPECT_TRUE(shell_.calls.empty());
  EXPECT_EQ(windows_.OpenCount(), 0u);
  EXPECT_TRUE(test::WaitUntil([] { return frmMain::InstanceCount() == 0; }));
}

}  // namespace
}  // namespace lumetta
