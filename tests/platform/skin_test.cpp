#include "platform/skin.h"

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>
#include <gtkmm/box.h>
#include <gtkmm/label.h>
#include <gtkmm/menu.h>
#include <gtkmm/menubar.h>
#include <gtkmm/menuitem.h>
#include <gtkmm/window.h>
#include <sys/stat.h>
#include <unistd.h>

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

std::string Selectors(int count) {
  std::string sheet;
  for (int i = 0; i < count; ++i) {
    sheet += (i == 0 ? "" : ", ") + std::string(i % 2 == 0 ? ".s" : "#t") + std::to_string(i);
  }
  return sheet + " { color: #aabbcc; }";
}

// Writes a `width` by `height` PNG to `path`.
void WritePng(const std::string& path, int width, int height) {
  GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, width, height);
  gdk_pixbuf_fill(pixbuf, 0xff000000);
  ASSERT_TRUE(gdk_pixbuf_save(pixbuf, path.c_str(), "png", nullptr, nullptr));
  g_object_unref(pixbuf);
}

struct ReferenceCase {
  const char* name;
  std::string sheet;
  bool loads;
};

// A skin comes beside the program from anywhere: whatever it names is read when a window draws
// it, so it may name only small images of its own folder, and not too many selectors.
class CssSkinReferenceTest : public testing::TestWithParam<ReferenceCase> {
 protected:
  CssSkinReferenceTest() {
    dir_.Write("skin/other.css", "label { color: #aabbcc; }");
    dir_.Write("skin/img/.keep", "");
    WritePng(dir_.Path() + "/skin/img/ok.png", 16, 16);
    WritePng(dir_.Path() + "/skin/wide.png", 4097, 1);
    WritePng(dir_.Path() + "/outside.png", 16, 16);
    dir_.Write("skin/big.png", std::string((1 << 20) + 1, 'x'));
    mkfifo((dir_.Path() + "/skin/fifo.png").c_str(), 0600);
    symlink((dir_.Path() + "/outside.png").c_str(), (dir_.Path() + "/skin/link.png").c_str());
  }

  test::TempDir dir_;
};

TEST_P(CssSkinReferenceTest, RefusesWhatCouldHangOrExhaustTheBrowser) {
  std::string sheet = GetParam().sheet;
  // DIR stands for the skin's folder.
  for (size_t at = sheet.find("DIR"); at != std::string::npos; at = sheet.find("DIR")) {
    sheet.replace(at, 3, dir_.Path() + "/skin");
  }
  CssSkin skin;
  EXPECT_EQ(skin.Load(dir_.Write("skin/skin.skn", sheet)), GetParam().loads);
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, CssSkinReferenceTest,
    testing::Values(
        ReferenceCase{"ImageOfItsFolder", "label { background-image: url(\"img/ok.png\"); }", true},
        ReferenceCase{"Import", "@import url(\"DIR/other.css\");", false},
        ReferenceCase{"ImportInCapitals", "@IMPORT 'DIR/other.css';", false},
        ReferenceCase{"ZeroDevice", "label { background-image: url(\"/dev/zero\"); }", false},
        ReferenceCase{"ZeroDeviceUri", "label { background-image: url('file:///dev/zero'); }",
                      false},
        ReferenceCase{"Fifo", "label { background-image: url(\"fifo.png\"); }", false},
        ReferenceCase{"TooManyPixels", "label { background-image: url(\"wide.png\"); }", false},
        ReferenceCase{"TooLargeFile", "label { background-image: url(\"big.png\"); }", false},
        ReferenceCase{"OutsideItsFolder", "label { background-image: url(\"../outside.png\"); }",
                      false},
        ReferenceCase{"LinkOutOfItsFolder", "label { background-image: url(\"link.png\"); }",
                      false},
        ReferenceCase{"Scaled",
                      "label { -gtk-icon-source: -gtk-scaled(url(\"img/ok.png\"), "
                      "url(\"/dev/zero\")); }",
                      false},
        ReferenceCase{"ManySelectors", Selectors(2000), true},
        ReferenceCase{"TooManySelectors", Selectors(2001), false}),
    [](const testing::TestParamInfo<ReferenceCase>& info) { return std::string(info.param.name); });

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
