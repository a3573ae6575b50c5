// The page commands' menu items, each doing its row of the table and nothing else.
#include "page/page_commands.h"

#include <gtest/gtest.h>

#include "platform/platform.h"
#include "tests/support/fake_keystrokes.h"
#include "tests/support/window_test.h"

namespace lumetta {
namespace {

struct Row {
  const char* item;
  MenuItem MainMenus::*menu_item;
  std::vector<std::string> calls;
  std::vector<std::string> keys;
  friend void PrintTo(const Row& row, std::ostream* os) { *os << row.item; }
};

class PageCommandsTest : public test::WindowTest, public testing::WithParamInterface<Row> {
 protected:
  PageCommandsTest() { ThePlatform().keystrokes = &keystrokes_; }
  ~PageCommandsTest() override { ThePlatform().keystrokes = nullptr; }

  test::FakeKeystrokes keystrokes_;
};

TEST_P(PageCommandsTest, ItemDoesItsRowOnItsOwnWindow) {
  frmMain& other = OpenWindow("about:blank");
  frmMain& form = OpenWindow("about:blank");
  form.txtURL.SetText("typed");
  // A control that refuses the command changes nothing either.
  Fake(form).exec_wb_succeeds = false;
  (form.*GetParam().menu_item).PerformClick();
  EXPECT_EQ(Fake(form).calls, GetParam().calls);
  EXPECT_EQ(keystrokes_.sent, GetParam().keys);
  EXPECT_TRUE(Fake(other).calls.empty());
  EXPECT_EQ(form.txtURL.Text(), "typed");
}

std::string ItemName(const testing::TestParamInfo<Row>& info) { return info.param.item; }

INSTANTIATE_TEST_SUITE_P(
    Table, PageCommandsTest,
    testing::Values(Row{"SaveAs", &MainMenus::mnuMainFileSaveAs, {"ExecWB 4 0"}, {}},
                    Row{"PageSet", &MainMenus::mnuMainFilePageSet, {"ExecWB 8 0"}, {}},
                    Row{"Print", &MainMenus::mnuMainFilePrint, {"ExecWB 6 0"}, {}},
                    Row{"PrintPreView", &MainMenus::mnuMainFilePrintPreView, {"ExecWB 7 0"}, {}},
                    Row{"Property", &MainMenus::mnuMainFileProperty, {"ExecWB 10 0"}, {}},
                    Row{"Cut", &MainMenus::mnuMainEditCut, {"ExecWB 11 0"}, {}},
                    Row{"Copy", &MainMenus::mnuMainEditCopy, {"ExecWB 12 0"}, {}},
                    Row{"Paste", &MainMenus::mnuMainEditPaste, {"ExecWB 13 0"}, {}},
                    Row{"SelectAll", &MainMenus::mnuMainEditSelectAll, {"ExecWB 17 0"}, {}},
                    Row{"Find", &MainMenus::mnuMainEditFind, {}, {"^f"}}),
    ItemName);

}  // namespace
}  // namespace lumetta
