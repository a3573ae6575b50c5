// The address box on the real engine, against a page that changes its title all the time.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/webkit_engine.h"
#include "shell/main_windows.h"
#include "tests/support/evaluate_script.h"
#include "tests/support/keystrokes.h"
#include "tests/support/local_server.h"
#include "tests/support/page_input.h"
#include "tests/support/wait.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {
namespace {

TEST(AddressBoxEngineTest, KeysTypedInTheBoxNeverReachAPageThatKeepsChangingItsTitle) {
  test::LocalServer server;
  server.Serve("/restless",
               "<html><head><title>0</title></head><body><script>"
               "var keys = ''; var n = 0;"
               "document.addEventListener('keydown', function (e) { keys += e.key; });"
               "setInterval(function () { document.title = String(++n); }, 50);"
               "</script></body></html>");
  server.Serve("/next", "<html><head><title>next</title></head><body>n</body></html>");
  WebKitEngine engine;
  MainWindows windows(engine, {});
  frmMain& form = windows.CreateMainWindow();
  form.mstrURLNewWindow = server.Url("/restless");
  form.Show();
  Gtk::Widget& page = form.webMain.Get().GetWidget();
  ASSERT_TRUE(
      test::WaitUntil([&] { return std::atoi(form.webMain->LocationName().c_str()) >= 3; }));
  ASSERT_TRUE(test::WaitUntil([&] { return form.Window().get_focus() == &page; }));

  form.txtURL.SetText("");
  test::ClickWidget(GTK_WIDGET(form.txtURL.Entry().gobj()));
  ASSERT_TRUE(test::WaitUntil([&] { return form.txtURL.HasFocus(); }));
  const std::string typed = server.Url("/next");
  for (const char key : typed) {
    ASSERT_TRUE(test::SendKeys(std::string(1, key), form.Window()));
    test::RunFor(15);
  }
  ASSERT_TRUE(test::WaitUntil([&] { return form.txtURL.Text() == typed; })) << form.txtURL.Text();
  EXPECT_TRUE(form.txtURL.HasFocus());
  EXPECT_EQ(test::EvaluateScript(page, "keys"), "");

  // Enter goes as before, and the page it opens takes the focus.
  form.txtURL.KeyDown.emit(kKeyReturn, 0);
  ASSERT_TRUE(test::WaitUntil([&] { return form.webMain->LocationName() == "next"; }));
  EXPECT_TRUE(test::WaitUntil([&] { return form.Window().get_focus() == &page; }));
}

}  // namespace
}  // namespace lumetta
