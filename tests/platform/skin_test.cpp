#include "platform/skin.h"

#include <gtest/gtest.h>
#include <gtkmm/box.h>
#include <gtkmm/label.h>
#include <gtkmm/menu.h>
#include <gtkmm/menubar.h>
#include <gtkmm/menuitem.h>
#include <gtkmm/window.h>

#include <string>

#include "tests/support/temp_dir.h"
#include "tests/support/text_color.h"

namespace lumetta {
namespace {

constexpr char kSheet[] =
    "label { color: #102030; } menu { color: #405060; } "
    "menuitem { color: #203040; }";
constexpr char kSkinColor[] = "#102030";

struct LoadCase {
  const char* name;
  std::string contents;  // what the skin file holds; see `kind` for files not written
  enum Kind { kFile, kMissing, kFolder } kind = kFile;
  bool loads = false;
  // The label colour in force afterwards; "" for the theme's own.
  const char* label_color = kSkinColor;
};

class CssSkinLoadTest : public testing::TestWithParam<LoadCase> {};

// Every load comes after one of a good sheet: a failed load keeps that sheet in force.
TEST_P(CssSkinLoadTest, LoadsOnlyWholeStyleSheets) {
  const LoadCase& c = GetParam();
  test::TempDir dir;
  CssSkin skin;
  ASSERT_TRUE(skin.Load(dir.Write("good.skn", kSheet)));
  std::string path = dir.Path() + "/skin.skn";
  if (c.kind == LoadCase::kFile) dir.Write("skin.skn", c.contents);
  if (c.kind == LoadCase::kFolder) dir.Write("skin.skn/inner.css", kSheet);

  EXPECT_EQ(skin.Load(path), c.loads);
  Gtk::Window window;
  Gtk::Label label("标签");
  window.add(label);
  ASSERT_TRUE(skin.Apply(window));
  if (*c.label_color != '\0') {
    EXPECT_EQ(test::TextColorOf(label), c.label_color);
  } else {
    EXPECT_NE(test::TextColorOf(label), kSkinColor);
  }
}

std::string LargeSheet() {
  std::string sheet;
  while (sheet.size() <= CssSkin::kMaxSkinBytes) sheet += "label { color: #aabbcc; }\n";
  return sheet;
}

INSTANTIATE_TEST_SUITE_P(
    Files, CssSkinLoadTest,
    testing::Values(LoadCase{"Missing", "", LoadCase::kMissing},
                    LoadCase{"Folder", "", LoadCase::kFolder},
                    LoadCase{"Empty", "", LoadCase::kFile, true, ""},
                    LoadCase{"ChineseComment", "/* 经典浅色 */ label { color: #aabbcc; }",
                             LoadCase::kFile, true, "#aabbcc"},
                    LoadCase{"Binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
                    LoadCase{"NulInside", std::string("label { color: #aabbcc; }\0x", 27)},
                    LoadCase{"NotUtf8", "label { color: #aabbcc; } /* \xb2\xe2\xca\xd4 */"},
                    LoadCase{"SyntaxError", "label { color: ; "},
                    LoadCase{"UnknownProperty", "label { colour: #aabbcc; }"},
                    LoadCase{"TooLarge", LargeSheet()}),
    [](const testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

// A window with a menu bar whose one menu holds one item, and a label.
struct TestWindow {
  TestWindow() {
    top.set_submenu(menu);
    menu.append(first);
    bar.append(top);
    box.pack_start(bar, Gtk::PACK_SHRINK);
    box.pack_start(label);
    window.add(box);
  }
  Gtk::Window window;
  Gtk::Box box{Gtk::ORIENTATION_VERTICAL};
  Gtk::MenuBar bar;
  Gtk::MenuItem top{"文件"};
  Gtk::Menu menu;
  Gtk::MenuItem first{"打开"};
  Gtk::Label label{"标签"};
};

TEST(CssSkinApplyTest, StylesTheWindowItsMenusDialogsAndLaterWidgetsOnly) {
  test::TempDir dir;
  CssSkin skin;
  Gtk::Window unskinned;
  EXPECT_FALSE(skin.Apply(unskinned)) << "nothing loaded yet";
  ASSERT_TRUE(skin.Load(dir.Write("skin.skn", kSheet)));
  TestWindow skinned;
  TestWindow other;
  ASSERT_TRUE(skin.Apply(skinned.window));

  EXPECT_EQ(test::TextColorOf(skinned.label), kSkinColor);
  EXPECT_EQ(test::TextColorOf(skinned.first), "#203040");
  EXPECT_EQ(test::TextColorOf(skinned.menu), "#405060");
  EXPECT_NE(test::TextColorOf(other.label), kSkinColor);
  EXPECT_NE(test::TextColorOf(other.first), "#203040");

  // Widgets that join the window later: a favorites entry, a new submenu, a label.
  Gtk::MenuItem entry("收藏");
  skinned.menu.append(entry);
  EXPECT_EQ(test::TextColorOf(entry), "#203040");
  Gtk::Menu submenu;
  Gtk::MenuItem sub_entry("子项");
  entry.set_submenu(submenu);
  submenu.append(sub_entry);
  EXPECT_EQ(test::TextColorOf(submenu), "#405060");
  EXPECT_EQ(test::TextColorOf(sub_entry), "#203040");
  Gtk::Label late("后来");
  skinned.box.pack_start(late);
  EXPECT_EQ(test::TextColorOf(late), kSkinColor);

  // A dialog opened for the window shows with its skin; one for another window does not. A
  // window shown for one and then for the other follows (GTK reuses its tool-tip windows).
  Gtk::Window dialog;
  Gtk::Label text("对话框");
  dialog.add(text);
  dialog.set_transient_for(skinned.window);
  dialog.show_all();
  EXPECT_EQ(test::TextColorOf(text), kSkinColor);
  dialog.hide();
  dialog.set_transient_for(other.window);
  dialog.show();
  EXPECT_NE(test::TextColorOf(text), kSkinColor);
  dialog.hide();
}

}  // namespace
}  // namespace lumetta
