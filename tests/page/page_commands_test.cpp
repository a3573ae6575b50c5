// The page commands' menu items, each doing its row of the table and nothing else.
#include "page/page_commands.h"

#include <gtest/gtest.h>

#include "tests/support/window_test.h"

namespace lumetta {
namespace {

struct Row {
  const char* item;
  MenuItem MainMenus::*menu_item;
  std::vector<std::string> calls;
  friend void PrintTo(const Row& row, std::ostream* os) { *os << row.item; }
};

class PageCommandsTest : public test::WindowTest, public testing::WithParamInterface<Row> {};

TEST_P(PageCommandsTest, ItemDoesItsRowOnItsOwnWindow) {
  frmMain& other = OpenWindow("about:blank");
  frmMain& form = OpenWindow("about:blank");
  form.txtURL.SetText("typed");
  // A control that refuses the command changes nothing either.
  Fake(form).commands_succeed = false;
  (form.*GetParam().menu_item).PerformClick();
  EXPECT_EQ(Fake(form).calls, GetParam().calls);
  EXPECT_TRUE(Fake(other).calls.empty());
  EXPECT_EQ(form.txtURL.Text(), "typed");
}

std::string ItemName(const testing::TestParamInfo<Row>& info) { return info.param.item; }

INSTANTIATE_TEST_SUITE_P(
    Table, PageCommandsTest,
    testing::Values(Row{"SaveAs", &MainMenus::mnuMainFileSaveAs, {"SaveAs"}},
                    Row{"PageSet", &MainMenus::mnuMainFilePageSet, {"PageSetup"}},
                    Row{"Print", &MainMenus::mnuMainFilePrint, {"Print prompt"}},
                    Row{"PrintPreView", &MainMenus::mnuMainFilePrintPreView, {"PrintPreview"}},
                    Row{"Property", &MainMenus::mnuMainFileProperty, {"ShowProperties"}},
                    Row{"Cut", &MainMenus::mnuMainEditCut, {"Cut"}},
                    Row{"Copy", &MainMenus::mnuMainEditCopy, {"Copy"}},
                    Row{"Paste", &MainMenus::mnuMainEditPaste, {"Paste"}},
                    Row{"SelectAll", &MainMenus::mnuMainEditSelectAll, {"SelectAll"}},
                    Row{"Find", &MainMenus::mnuMainEditFind, {"Find"}}),
    ItemName);

}  // namespace
}  // namespace lumetta
