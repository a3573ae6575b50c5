#include "search/search_commands.h"

#include <gdk/gdkkeysyms.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "app/settings.h"
#include "tests/search/case_name.h"
#include "tests/search/search_fixture.h"

namespace lumetta {
namespace {

using Calls = std::vector<std::string>;
using test::CaseName;

constexpr char kBaidu[] = "https://www.baidu.com/baidu?wd=";
constexpr char kBaiduTag[] = "&tn=brintal_dg";
constexpr char kBaiduCaption[] = "%E7%99%BE%E5%BA%A6%E6%90%9C%E7%B4%A2";  // 百度搜索

std::string BaiduFor(const std::string& encoded) { return kBaidu + encoded + kBaiduTag; }

class SearchTest : public test::SearchWindowTest {
 protected:
  static void PressEnter(frmMain& form) { form.txtSearch.KeyPress.emit(kKeyReturn); }
  static bool SearchBoxHasFocus(frmMain& form) { return form.txtSearch.Entry().is_focus(); }
};

TEST_F(SearchTest, FreshWindowSearchesBaiduForTheCaption) {
  frmMain& form = OpenWindow();
  EXPECT_EQ(form.txtSearch.Text(), "百度搜索");
  EXPECT_EQ(Checks(form), (std::vector<bool>{false, false, false}));
  PressEnter(form);
  form.imgToolBar(kToolSearch).PerformClick();
  EXPECT_EQ(Fake(form).Navigations(), (Calls{BaiduFor(kBaiduCaption), BaiduFor(kBaiduCaption)}));
  EXPECT_TRUE(box_.shown.empty());
}

struct KeywordCase {
  const char* name;
  const char* text;
  const char* encoded;
  friend void PrintTo(const KeywordCase& c, std::ostream* os) { *os << c.name; }
};

class KeywordTest : public SearchTest, public testing::WithParamInterface<KeywordCase> {};

TEST_P(KeywordTest, KeywordIsTrimmedAndEncodedWhileTheBoxKeepsItsText) {
  frmMain& form = OpenWindow();
  form.txtSearch.SetText(GetParam().text);
  PressEnter(form);
  EXPECT_EQ(Fake(form).Navigations(), Calls{BaiduFor(GetParam().encoded)});
  EXPECT_EQ(form.txtSearch.Text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Keywords, KeywordTest,
                         testing::Values(KeywordCase{"Spaces", "  abc  ", "abc"},
                                         KeywordCase{"IdeographicSpaces", "\u3000 abc\u3000",
                                                     "abc"},
                                         KeywordCase{"Reserved", "a&b c#1", "a%26b%20c%231"},
                                         KeywordCase{"Chinese", " 琉梅塔 ?q=1 ",
                                                     "%E7%90%89%E6%A2%85%E5%A1%94%20%3Fq%3D1"}),
                         CaseName<KeywordCase>);

TEST_F(SearchTest, RealEnterKeySearches) {
  frmMain& form = OpenWindow();
  form.txtSearch.SetText("key");
  GdkEvent* event = gdk_event_new(GDK_KEY_PRESS);
  event->key.window = GDK_WINDOW(g_object_ref(form.txtSearch.Entry().get_window()->gobj()));
  event->key.keyval = GDK_KEY_KP_Enter;
  gdk_event_set_device(event, gdk_seat_get_keyboard(gdk_display_get_default_seat(
                                  form.txtSearch.Entry().get_display()->gobj())));
  gtk_widget_event(GTK_WIDGET(form.txtSearch.Entry().gobj()), event);
  gdk_event_free(event);
  EXPECT_EQ(Fake(form).Navigations(), Calls{BaiduFor("key")});
}

TEST_F(SearchTest, OtherKeysOnlyType) {
  frmMain& form = OpenWindow();
  for (const int key : {int{'a'}, 10, 9, 27, 32, 0x7A7A}) form.txtSearch.KeyPress.emit(key);
  EXPECT_TRUE(Fake(form).calls.empty());
  EXPECT_TRUE(box_.shown.empty());
}

struct BlankCase {
  const char* name;
  const char* text;
  friend void PrintTo(const BlankCase& c, std::ostream* os) { *os << c.name; }
};

class BlankKeywordTest : public SearchTest, public testing::WithParamInterface<BlankCase> {};

TEST_P(BlankKeywordTest, AsksForAKeywordAndReturnsToTheBox) {
  frmMain& form = OpenWindow();
  form.txtURL.SetFocus();
  bool focus_while_shown = true;
  box_.while_shown = [&] { focus_while_shown = SearchBoxHasFocus(form); };
  form.txtSearch.SetText(GetParam().text);
  PressEnter(form);
  ASSERT_EQ(box_.shown.size(), 1u);
  EXPECT_EQ(box_.shown[0].prompt, "请输入搜索关键字!");
  EXPECT_EQ(box_.shown[0].style, 64);
  EXPECT_EQ(box_.shown[0].title, "提示");
  EXPECT_FALSE(focus_while_shown);
  EXPECT_TRUE(SearchBoxHasFocus(form));
  EXPECT_EQ(form.txtSearch.Text(), GetParam().text);
  EXPECT_TRUE(Fake(form).calls.empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, BlankKeywordTest,
                         testing::Values(BlankCase{"Empty", ""}, BlankCase{"Spaces", "   "},
                                         BlankCase{"Ideographic", "\u3000"},
                                         BlankCase{"Mixed", " \u3000 "}),
                         CaseName<BlankCase>);

TEST_F(SearchTest, EmptyKeywordFromTheSearchButton) {
  frmMain& form = OpenWindow();
  form.txtSearch.SetText(" ");
  form.imgToolBar(kToolSearch).PerformClick();
  EXPECT_EQ(box_.shown.size(), 1u);
  EXPECT_TRUE(SearchBoxHasFocus(form));
  EXPECT_TRUE(Fake(form).calls.empty());
}

TEST_F(SearchTest, WindowClosedWhileTheMessageIsUpIsNotTouched) {
  frmMain& form = OpenWindow();
  form.txtURL.SetFocus();
  box_.while_shown = [&] { form.Unload(); };
  form.txtSearch.SetText("");
  PressEnter(form);
  EXPECT_EQ(windows_.OpenCount(), 0u);
  EXPECT_FALSE(SearchBoxHasFocus(form));
}

TEST_F(SearchTest, FocusSelectsTheWholeText) {
  frmMain& form = OpenWindow();
  form.txtSearch.SetText("雅虎 search");
  form.txtSearch.Select(0, 0);
  form.txtSearch.GotFocus.emit();
  int start = 0, end = 0;
  ASSERT_TRUE(form.txtSearch.Entry().get_selection_bounds(start, end));
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 9);
}

TEST_F(SearchTest, ClosedWindowNoLongerSearches) {
  frmMain& form = OpenWindow();
  form.Unload();
  form.txtSearch.SetText("abc");
  PressEnter(form);
  form.mnuMainToolSearchType(2).PerformClick();
  EXPECT_TRUE(Fake(form).calls.empty());
  EXPECT_EQ(gstrSearchType, "0");
  EXPECT_EQ(form.txtSearch.Text(), "abc");
}

struct EngineCase {
  const char* name;
  int index;
  const char* caption;
  const char* url;  // for the keyword "abc"
  friend void PrintTo(const EngineCase& c, std::ostream* os) { *os << c.name; }
};

class EngineChoiceTest : public SearchTest, public testing::WithParamInterface<EngineCase> {};

TEST_P(EngineChoiceTest, ChoiceSetsTypeCheckMarkAndBoxText) {
  frmMain& form = OpenWindow();
  form.txtSearch.SetText("typed keyword");
  form.mnuMainToolSearchType(GetParam().index).PerformClick();
  EXPECT_EQ(gstrSearchType, std::to_string(GetParam().index));
  std::vector<bool> expected(3, false);
  expected[GetParam().index] = true;
  EXPECT_EQ(Checks(form), expected);
  EXPECT_EQ(form.txtSearch.Text(), GetParam().caption);

  form.txtSearch.SetText("abc");
  PressEnter(form);
  EXPECT_EQ(Fake(form).Navigations(), Calls{GetParam().url});
}

TEST_P(EngineChoiceTest, ChoosingAgainStillReplacesTheKeyword) {
  frmMain& form = OpenWindow();
  form.mnuMainToolSearchType(2 - GetParam().index).PerformClick();
  form.mnuMainToolSearchType(GetParam().index).PerformClick();
  form.txtSearch.SetText("abc");
  form.mnuMainToolSearchType(GetParam().index).PerformClick();
  EXPECT_EQ(form.txtSearch.Text(), GetParam().caption);
  const std::vector<bool> checks = Checks(form);
  EXPECT_EQ(std::count(checks.begin(), checks.end(), true), 1);
  EXPECT_TRUE(checks[GetParam().index]);
}

INSTANTIATE_TEST_SUITE_P(
    Engines, EngineChoiceTest,
    testing::Values(EngineCase{"Baidu", 0, "百度搜索",
                               "https://www.baidu.com/baidu?wd=abc&tn=brintal_dg"},
                    EngineCase{"Yahoo", 1, "雅虎搜索", "https://search.yahoo.com/search?p=abc"},
                    EngineCase{"Google", 2, "谷歌搜索", "https://www.google.com/search?q=abc"}),
    CaseName<EngineCase>);

TEST_F(SearchTest, EngineChoiceIsSharedAndANewWindowResetsIt) {
  frmMain& first = OpenWindow();
  first.mnuMainToolSearchType(2).PerformClick();
  frmMain& second = OpenWindow();
  EXPECT_EQ(gstrSearchType, "0");
  EXPECT_EQ(second.txtSearch.Text(), "百度搜索");
  EXPECT_EQ(Checks(second), (std::vector<bool>{false, false, false}));
  // The older window keeps its marks and text, yet searches Baidu, for its caption.
  EXPECT_EQ(Checks(first), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(first.txtSearch.Text(), "谷歌搜索");
  PressEnter(first);
  EXPECT_EQ(Fake(first).Navigations(), Calls{BaiduFor("%E8%B0%B7%E6%AD%8C%E6%90%9C%E7%B4%A2")});

  // A choice in one window steers the other's next search, not its marks.
  second.mnuMainToolSearchType(1).PerformClick();
  first.txtSearch.SetText("abc");
  PressEnter(first);
  EXPECT_EQ(Fake(first).Navigations().back(), "https://search.yahoo.com/search?p=abc");
  EXPECT_EQ(Checks(first), (std::vector<bool>{false, false, true}));
}

TEST_F(SearchTest, SearchReadsTheTemplatesAtTheClick) {
  frmMain& form = OpenWindow();
  gstrSearchURL[1] = "http://own.example/find?<searchstring>+<searchstring>";
  form.mnuMainToolSearchType(1).PerformClick();
  form.txtSearch.SetText("x");
  PressEnter(form);
  EXPECT_EQ(Fake(form).Navigations(), Calls{"http://own.example/find?x+x"});
}

}  // namespace
}  // namespace lumetta
