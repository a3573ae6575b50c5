#include "ui/main_window/toolbar.h"

#include <gtest/gtest.h>

#include "app/settings.h"
#include "tests/search/pop_up_probe.h"
#include "tests/search/search_fixture.h"

namespace lumetta {
namespace {

using Calls = std::vector<std::string>;

struct DispatchCase {
  int index;
  Calls calls;
  friend void PrintTo(const DispatchCase& c, std::ostream* os) { *os << c.index; }
};

class ToolbarDispatchTest : public test::SearchWindowTest,
                            public testing::WithParamInterface<DispatchCase> {};

TEST_P(ToolbarDispatchTest, IndexSelectsTheCommand) {
  frmMain& form = OpenWindow();
  gstrHomePage = "http://home.example/";
  form.txtSearch.SetText("abc");
  // The button itself where there is one; other indexes reach the handler only from code.
  if (form.imgToolBar.Exists(GetParam().index)) {
    form.imgToolBar(GetParam().index).PerformClick();
  } else {
    imgToolBar_Click(form, GetParam().index);
  }
  EXPECT_EQ(Fake(form).calls, GetParam().calls);
  EXPECT_TRUE(box_.shown.empty());
  EXPECT_EQ(form.txtSearch.Text(), "abc");
}

std::string IndexName(const testing::TestParamInfo<DispatchCase>& info) {
  const int index = info.param.index;
  return (index < 0 ? "Minus" : "") + std::to_string(index < 0 ? -index : index);
}

// 93, the engine menu, has tests of its own.
INSTANTIATE_TEST_SUITE_P(
    Indexes, ToolbarDispatchTest,
    testing::Values(DispatchCase{1, {"GoBack"}}, DispatchCase{2, {"GoForward"}},
                    DispatchCase{3, {"Stop"}}, DispatchCase{4, {"Refresh"}},
                    DispatchCase{5, {"Navigate http://home.example/"}},
                    DispatchCase{92, {"Navigate https://www.baidu.com/baidu?wd=abc&tn=brintal_dg"}},
                    DispatchCase{0, {}}, DispatchCase{6, {}}, DispatchCase{50, {}},
                    DispatchCase{91, {}}, DispatchCase{94, {}}, DispatchCase{-1, {}},
                    DispatchCase{32767, {}}, DispatchCase{-32768, {}}),
    IndexName);

class DisabledButtonTest : public test::SearchWindowTest,
                           public testing::WithParamInterface<int> {};

TEST_P(DisabledButtonTest, IgnoresClicks) {
  frmMain& form = OpenWindow();
  // A blank box would bring up the message, were the search button to act.
  form.txtSearch.SetText(" ");
  ImageButton& button = form.imgToolBar(GetParam());
  button.SetEnabled(false);
  {
    // Closes the engine menu, should it open, so that the click returns.
    test::PopUpProbe probe(form, test::Dismiss);
    test::ClickWithMouse(button);
    EXPECT_FALSE(probe.seen);
  }
  EXPECT_TRUE(Fake(form).calls.empty());
  EXPECT_TRUE(box_.shown.empty());
  if (GetParam() == kToolSearchEngines) return;
  button.SetEnabled(true);
  test::ClickWithMouse(button);
  EXPECT_EQ(Fake(form).calls.size() + box_.shown.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Buttons, DisabledButtonTest, testing::Values(1, 2, 3, 4, 5, 92, 93));

}  // namespace
}  // namespace lumetta
