#include "ui/main_window/frm_main.h"

#include <gtest/gtest.h>
#include <gtkmm/checkmenuitem.h>
#include <gtkmm/separatormenuitem.h>

#include "shell/main_windows.h"
#include "tests/support/fake_browser_control.h"
#include "tests/support/wait.h"

namespace lumetta {
namespace {

class FrmMainTest : public testing::Test {
 protected:
  test::FakeControlFactory factory_;
  MainWindows windows_{factory_, {}};
  frmMain& form_ = windows_.CreateMainWindow();
};

TEST_F(FrmMainTest, ControlTreeInCreationOrder) {
  const std::vector<std::pair<std::string, int>> expected = {
      {"Skin1", -1},     {"picMainWeb", -1}, {"webMain", -1},    {"picMainToolBar", -1},
      {"picBar1", -1},   {"txtURL", -1},     {"imgToolBar", 3},  {"imgToolBar", 4},
      {"picBar2", -1},   {"txtSearch", -1},  {"imgToolBar", 93}, {"imgToolBar", 92},
      {"imgToolBar", 5}, {"imgToolBar", 2},  {"imgToolBar", 1}};
  const Controls& controls = form_.GetControls();
  ASSERT_GT(controls.Count(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(controls.Item(i).Name(), expected[i].first) << i;
    EXPECT_EQ(controls.Item(i).Index(), expected[i].second) << i;
  }
  EXPECT_EQ(controls.Item(1).TypeName(), "PictureBox");
  EXPECT_EQ(controls.Item(2).TypeName(), "WebBrowser");
  EXPECT_EQ(controls.Item(5).TypeName(), "TextBox");
  EXPECT_EQ(controls.Item(6).TypeName(), "Image");
  EXPECT_EQ(controls.Item(expected.size()).TypeName(), "Menu");
  EXPECT_EQ(controls.Item(expected.size()).Name(), "mnuMainFile");
}

// The page leaves a one-pixel strip of its frame at the right, where a double click closes the
// window.
TEST_F(FrmMainTest, DoubleClickOnTheStripRightOfThePageCloses) {
  form_.Show();
  form_.Window().resize(800, 600);
  Gtk::Widget& frame = *form_.picMainWeb.Widget();
  Gtk::Widget& page = *form_.webMain.Widget();
  ASSERT_TRUE(test::WaitUntil([&] { return frame.get_allocated_width() > 700; }));
  EXPECT_EQ(page.get_allocated_width(), frame.get_allocated_width() - 1);

  GdkEvent* event = gdk_event_new(GDK_2BUTTON_PRESS);
  event->button.window =
      GDK_WINDOW(g_object_ref(form_.picMainWeb.Layout().get_bin_window()->gobj()));
  event->button.x = frame.get_allocated_width() - 1;
  event->button.y = 10;
  event->button.button = 1;
  gdk_event_set_device(
      event, gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_display_get_default())));
  gtk_main_do_event(event);
  gdk_event_free(event);
  EXPECT_EQ(windows_.OpenCount(), 0u);
}

TEST_F(FrmMainTest, SeparatorsAreThinLines) {
  int separators = 0;
  for (Control* control : form_.GetControls()) {
    auto* item = dynamic_cast<MenuItem*>(control);
    if (item == nullptr || item->Caption() != "-") continue;
    ++separators;
    int minimum = 0;
    int natural = 0;
    item->Item().get_preferred_height(minimum, natural);
    EXPECT_LT(natural, 10) << item->Name();
    EXPECT_EQ(item->Item().get_child(), nullptr) << item->Name();
  }
  EXPECT_EQ(separators, 11);
}

TEST_F(FrmMainTest, DesignTextsAndToolTips) {
  EXPECT_EQ(form_.Window().get_title(), "琉梅塔(Lumetta)");
  EXPECT_EQ(form_.txtSearch.Text(), "百度搜索");
  EXPECT_EQ(form_.txtURL.Text(), "");
  EXPECT_EQ(form_.picMainWeb.ToolTipText(), "双击退出该窗口");
  const std::map<int, std::string> tips = {{1, "返回"},         {2, "前进"}, {3, "停止"},
                                           {4, "刷新 F5"},      {5, "主页"}, {92, "搜索"},
                                           {93, "选择搜索引擎"}};
  EXPECT_EQ(form_.imgToolBar.Count(), tips.size());
  for (const auto& [index, tip] : tips) {
    ASSERT_TRUE(form_.imgToolBar.Exists(index));
    EXPECT_EQ(form_.imgToolBar(index).ToolTipText(), tip);
  }
  EXPECT_FALSE(form_.imgToolBar.Exists(0));
  EXPECT_FALSE(form_.imgToolBar.Exists(6));
  EXPECT_EQ(form_.imgToolBar(93).Width(), 195);
  EXPECT_EQ(form_.imgToolBar(92).Width(), 240);
}

// Caption, or "-" for a separator, of every item of a menu, with a trailing "*" when hidden.
std::vector<std::string> Items(MenuItem& menu) {
  std::vector<std::string> items;
  for (Gtk::Widget* child : menu.Submenu()->get_children()) {
    auto* item = static_cast<Gtk::MenuItem*>(child);
    std::string text =
        dynamic_cast<Gtk::SeparatorMenuItem*>(item) ? "-" : std::string(item->get_label());
    if (!item->get_visible()) text += "*";
    items.push_back(text);
  }
  return items;
}

TEST_F(FrmMainTest, MenusInOrderWithAccessKeys) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Items(form_.mnuMainFile),
            (V{"新建(_N)", "打开(_O)...", "另存为(_S)...", "-", "页面设置(_U)...", "打印(_P)...",
               "打印预览(_V)...", "-", "属性(_R)", "脱机工作(_W)", "关闭(_C)"}));
  EXPECT_EQ(Items(form_.mnuMainEdit),
            (V{"剪切(_T)", "复制(_C)", "粘贴(_P)", "-", "全选(_A)", "查找...(_F)"}));
  EXPECT_EQ(Items(form_.mnuMainView), (V{"字体大小(_F)", "网页缩放(_Z)", "-", "转到(_G)",
                                         "停止(_P)", "刷新(_R)", "-", "查看源文件(_O)"}));
  EXPECT_EQ(Items(form_.mnuMainViewFontSize),
            (V{"最小(_A)", "较小(_S)", "中等(_M)", "较大(_L)", "最大(_G)"}));
  EXPECT_EQ(Items(form_.mnuMainViewPageZoom), (V{"放大20% (_I)", "缩小20% (_O)", "-", "50%", "75%",
                                                 "100%", "125%", "150%", "200%", "400%"}));
  EXPECT_EQ(Items(form_.mnuMainViewGo), (V{"主页(_H)", "后退(_B)", "向前(_F)"}));
  EXPECT_EQ(Items(form_.mnuMainFavorite), (V{"添加到收藏夹", "整理收藏夹", "-", "百度首页",
                                             "雅虎首页", "谷歌首页", "-*", "用户链接...*"}));
  EXPECT_EQ(Items(form_.mnuMainTool),
            (V{"清除所有历史记录", "-", "选择搜索引擎", "系统实用工具", "-", "Internet 选项"}));
  EXPECT_EQ(Items(form_.mnuMainToolSearch), (V{"百度搜索", "雅虎搜索", "谷歌搜索"}));
  EXPECT_EQ(Items(form_.mnuMainToolApp), (V{"记事本", "计算器", "资源浏览器"}));
  EXPECT_EQ(Items(form_.mnuMainHelp), (V{"浏览器主页(_H)", "-", "关于Lumetta (_A)..."}));
}

TEST_F(FrmMainTest, OnlyRefreshHasAShortcutAndCheckItemsStartClear) {
  int with_shortcut = 0;
  for (Control* control : form_.GetControls()) {
    if (control->TypeName() != "Menu") continue;
    auto& item = static_cast<MenuItem&>(*control);
    GList* shortcuts = gtk_widget_list_accel_closures(GTK_WIDGET(item.Item().gobj()));
    if (shortcuts != nullptr) {
      ++with_shortcut;
      EXPECT_EQ(item.Name(), "mnuMainViewRefresh");
    }
    g_list_free(shortcuts);
    EXPECT_FALSE(item.Checked()) << item.Name();
  }
  EXPECT_EQ(with_shortcut, 1);
}

TEST_F(FrmMainTest, CheckItemMarkFollowsItsHandlerOnly) {
  auto* check = dynamic_cast<Gtk::CheckMenuItem*>(&form_.mnuMainViewFontSizeZoom(1).Item());
  ASSERT_NE(check, nullptr);
  // GTK would untick an item chosen twice; the text-size handler keeps it ticked.
  form_.mnuMainViewFontSizeZoom(1).PerformClick();
  form_.mnuMainViewFontSizeZoom(1).PerformClick();
  EXPECT_TRUE(check->get_active());
  form_.mnuMainViewFontSizeZoom(1).SetChecked(false);
  EXPECT_FALSE(check->get_active());
}

TEST_F(FrmMainTest, DisabledToolbarButtonIgnoresClicks) {
  auto& fake = static_cast<test::FakeBrowserControl&>(form_.webMain.Get());
  form_.imgToolBar(kToolBack).SetEnabled(false);
  form_.imgToolBar(kToolBack).PerformClick();
  EXPECT_TRUE(fake.calls.empty());
  form_.imgToolBar(kToolBack).SetEnabled(true);
  form_.imgToolBar(kToolBack).PerformClick();
  EXPECT_EQ(fake.calls, std::vector<std::string>{"GoBack"});
}

}  // namespace
}  // namespace lumetta
