// The page commands of main windows on the real engine: editing wherever the focus is, find from
// the page only, and the control's dialogs going with their window.
#include <gtest/gtest.h>
#include <gtkmm/clipboard.h>
#include <webkit2/webkit2.h>

#include "engine/webkit_engine.h"
#include "shell/main_windows.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/evaluate_script.h"
#include "tests/support/local_server.h"
#include "tests/support/wait.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {
namespace {

class PageCommandsEngineTest : public testing::Test {
 protected:
  PageCommandsEngineTest() {
    server_.Serve("/page",
                  "<html><head><title>编辑页</title></head><body>"
                  "<p id=\"p\">选中的文字</p><textarea id=\"t\"></textarea></body></html>");
  }

  frmMain& OpenWindow() {
    frmMain& form = windows_.CreateMainWindow();
    form.mstrURLNewWindow = server_.Url("/page");
    form.Show();
    EXPECT_TRUE(test::WaitUntil([&] {
      return form.txtURL.Text() == server_.Url("/page") && form.webMain->LocationName() == "编辑页";
    }));
    return form;
  }
  static std::string Evaluate(frmMain& form, const std::string& script) {
    return test::EvaluateScript(form.webMain.Get().GetWidget(), script).value_or("(failed)");
  }
  // Focus reaches the page's process later than the widget: a selection made before the page
  // has taken the focus in may be dropped when it does.
  bool PageFocused(frmMain& form, bool focused) {
    return test::WaitUntil(
        [&] { return Evaluate(form, "document.hasFocus()") == (focused ? "true" : "false"); });
  }
  static std::string Clipboard() { return Gtk::Clipboard::get()->wait_for_text(); }

  test::LocalServer server_;
  std::unique_ptr<BrowserControlFactory> factory_ = std::make_unique<WebKitEngine>();
  MainWindows windows_{*factory_, {}};
};

TEST_F(PageCommandsEngineTest, CopyWithTheCaretInTheAddressBoxCopiesThePageSelection) {
  frmMain& form = OpenWindow();
  ASSERT_TRUE(PageFocused(form, true));
  // The title comes before the body: select once the paragraph is there.
  ASSERT_TRUE(test::WaitUntil([&] {
    return Evaluate(form,
                    "var r = document.createRange();"
                    "r.selectNodeContents(document.getElementById('p'));"
                    "getSelection().removeAllRanges(); getSelection().addRange(r);"
                    "getSelection().toString()") == "选中的文字";
  }));
  Gtk::Clipboard::get()->set_text("之前");
  form.txtURL.SetFocus();
  form.txtURL.Select(0, 7);
  ASSERT_TRUE(PageFocused(form, false));
  // The address box takes the primary selection, and the engine collapses the page's.
  test::WaitUntil([&] { return Evaluate(form, "getSelection().isCollapsed") == "true"; }, 2000);
  form.mnuMainEditCopy.PerformClick();
  EXPECT_TRUE(test::WaitUntil([&] { return Clipboard() == "选中的文字"; })) << Clipboard();
  EXPECT_EQ(Evaluate(form, "getSelection().toString()"), "选中的文字");

  // A selection the user took away in the page is not brought back.
  form.webMain->GrabFocus();
  ASSERT_TRUE(PageFocused(form, true));
  Evaluate(form, "getSelection().collapseToEnd()");
  form.txtURL.SetFocus();
  ASSERT_TRUE(PageFocused(form, false));
  Gtk::Clipboard::get()->set_text("之前");
  form.mnuMainEditCopy.PerformClick();
  EXPECT_TRUE(test::WaitUntil([&] { return Clipboard() != "之前"; })) << Clipboard();
  EXPECT_NE(Clipboard(), "选中的文字");
}

TEST_F(PageCommandsEngineTest, PasteWithTheCaretInTheSearchBoxPastesIntoThePage) {
  frmMain& form = OpenWindow();
  ASSERT_TRUE(PageFocused(form, true));
  ASSERT_TRUE(test::WaitUntil([&] {
    return Evaluate(form,
                    "var t = document.getElementById('t'); t.focus();"
                    "document.activeElement === t") == "true";
  }));
  Gtk::Clipboard::get()->set_text("粘贴的文字");
  form.txtSearch.SetFocus();
  const std::string search_text = form.txtSearch.Text();
  ASSERT_TRUE(PageFocused(form, false));
  form.mnuMainEditPaste.PerformClick();
  EXPECT_TRUE(test::WaitUntil(
      [&] { return Evaluate(form, "document.getElementById('t').value") == "粘贴的文字"; }));
  EXPECT_EQ(form.txtSearch.Text(), search_text);
}

TEST_F(PageCommandsEngineTest, FindOpensTheDialogOnlyFromThePage) {
  frmMain& form = OpenWindow();
  form.txtURL.SetFocus();
  form.mnuMainEditFind.PerformClick();
  test::RunFor(500);
  EXPECT_FALSE(test::IsShown("查找"));

  form.webMain->GrabFocus();
  form.mnuMainEditFind.PerformClick();
  GtkWindow* find = test::WaitForWindow("查找");
  ASSERT_NE(find, nullptr);
  EXPECT_EQ(gtk_window_get_transient_for(find), form.Window().gobj());

  // One find dialog per window.
  form.webMain->GrabFocus();
  form.mnuMainEditFind.PerformClick();
  test::RunFor(300);
  int dialogs = 0;
  for (Gtk::Window* window : Gtk::Window::list_toplevels()) {
    dialogs += window->get_visible() && window->get_title() == "查找";
  }
  EXPECT_EQ(dialogs, 1);

  // It goes with its window.
  form.Unload();
  EXPECT_TRUE(test::WaitUntil([&] { return !test::IsShown("查找"); }));
}

TEST_F(PageCommandsEngineTest, ClosingTheWindowTakesItsDialogsAlong) {
  frmMain& form = OpenWindow();
  form.mnuMainFileProperty.PerformClick();
  form.mnuMainFilePrintPreView.PerformClick();
  form.mnuMainFilePrintPreView.PerformClick();
  ASSERT_TRUE(test::WaitUntil([&] { return test::IsShown("属性") && test::IsShown("打印预览"); }));
  form.mnuMainFileSaveAs.PerformClick();
  ASSERT_NE(test::WaitForWindow("另存为"), nullptr);
  form.Unload();
  EXPECT_TRUE(test::WaitUntil([&] {
    return !test::IsShown("属性") && !test::IsShown("打印预览") && !test::IsShown("另存为");
  }));
  EXPECT_TRUE(test::WaitUntil([] { return frmMain::InstanceCount() == 0; }));
}

}  // namespace
}  // namespace lumetta
