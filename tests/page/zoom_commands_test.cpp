#include "page/zoom_commands.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "app/resume_next.h"
#include "tests/support/decimal_comma_locale.h"
#include "tests/support/window_test.h"

namespace lumetta {
namespace {

using Calls = std::vector<std::string>;

std::vector<bool> FontSizeChecks(frmMain& form) {
  std::vector<bool> checks;
  for (const auto& [index, item] : form.mnuMainViewFontSizeZoom) checks.push_back(item->Checked());
  return checks;
}

using FontSizeTest = test::WindowTest;

TEST_F(FontSizeTest, TheChosenLevelGoesToTheControlAndOnlyItsItemIsChecked) {
  frmMain& form = OpenWindow();
  EXPECT_EQ(FontSizeChecks(form), std::vector<bool>(5, false));
  // The mark moves even when the control refuses the level.
  Fake(form).commands_succeed = false;
  form.mnuMainViewFontSizeZoom(3).PerformClick();
  EXPECT_EQ(FontSizeChecks(form), (std::vector<bool>{false, false, false, true, false}));
  form.mnuMainViewFontSizeZoom(0).PerformClick();
  EXPECT_EQ(FontSizeChecks(form), (std::vector<bool>{true, false, false, false, false}));
  EXPECT_EQ(Fake(form).calls, (Calls{"SetTextSize 3", "SetTextSize 0"}));
}

struct ZoomCase {
  const char* name;
  int32_t start;                    // the window's percentage before the first item
  std::vector<int> items;           // the page-zoom items chosen, in order
  std::vector<int32_t> stored;      // the window's percentage after each
  std::vector<std::string> styles;  // the body styles written, in order
};

const ZoomCase kZoomCases[] = {
    {"ZoomInFromANewWindow",
     0,
     std::vector<int>(6, 0),
     {120, 144, 173, 208, 250, 300},
     {"zoom:1.20;", "zoom:1.44;", "zoom:1.73;", "zoom:2.08;", "zoom:2.50;", "zoom:3.00;"}},
    {"ZoomOutToTheFloor",
     0,
     std::vector<int>(19, 1),
     {80, 64, 51, 41, 33, 26, 21, 17, 14, 11, 9, 7, 6, 5, 4, 3, 2, 2, 2},
     {"zoom:0.80;", "zoom:0.64;", "zoom:0.51;", "zoom:0.41;", "zoom:0.33;", "zoom:0.26;",
      "zoom:0.21;", "zoom:0.17;", "zoom:0.14;", "zoom:0.11;", "zoom:0.09;", "zoom:0.07;",
      "zoom:0.06;", "zoom:0.05;", "zoom:0.04;", "zoom:0.03;", "zoom:0.02;", "zoom:0.02;",
      "zoom:0.02;"}},
    {"FixedPercentages",
     0,
     {9, 3, 0, 5},
     {400, 50, 60, 100},
     {"zoom:4.00;", "zoom:0.50;", "zoom:0.60;", "zoom:1.00;"}},
    // Past the integer range the percentage stays and the page is not touched.
    {"Overflow", 2000000000, {0, 1}, {2000000000, 1600000000}, {"zoom:16000000.00;"}},
};

class PageZoomTest : public test::WindowTest,
                     public testing::WithParamInterface<std::tuple<ZoomCase, bool>> {};

TEST_P(PageZoomTest, StoresThePercentageAndWritesTheQuotient) {
  const auto& [zoom, decimal_comma] = GetParam();
  std::optional<test::DecimalCommaLocale> locale;
  if (decimal_comma && !locale.emplace().Active()) GTEST_SKIP() << "no decimal-comma locale";
  frmMain& form = OpenWindow();
  form.mlngPageZoom = zoom.start;
  std::vector<int32_t> stored;
  for (const int item : zoom.items) {
    form.mnuMainViewPageZoomX(item).PerformClick();
    stored.push_back(form.mlngPageZoom);
  }
  EXPECT_EQ(stored, zoom.stored);
  Calls styles;
  for (const std::string& call : Fake(form).calls)
    styles.push_back(call.substr(call.find(' ') + 1));
  EXPECT_EQ(styles, zoom.styles);
}

INSTANTIATE_TEST_SUITE_P(Sequences, PageZoomTest,
                         testing::Combine(testing::ValuesIn(kZoomCases), testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) ? "DecimalComma" : "DecimalPoint");
                         });

TEST(ZoomPageTest, GivesBackTheFirstFailureForTheReport) {
  test::FakeBrowserControl control;
  EXPECT_EQ(ZoomPage(control, "2400000000").number, kErrOverflow);
  EXPECT_EQ(ZoomPage(control, "").number, kErrTypeMismatch);
  control.document_status = {kErrObjectNotSet, "no body"};
  EXPECT_EQ(ZoomPage(control, "172.8").number, kErrObjectNotSet);
  EXPECT_EQ(control.calls, Calls{"SetBodyStyleCssText zoom:1.73;"});
}

}  // namespace
}  // namespace lumetta
