#include "ui/main_window/apply_skin.h"

#include <gdkmm/pixbuf.h>
#include <glibmm/main.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/do_events.h"
#include "favorites/mod_favorite.h"
#include "platform/program_folder.h"
#include "tests/favorites/favorites_fixture.h"
#include "tests/support/redirected_skins.h"
#include "tests/support/text_color.h"
#include "tests/support/wait.h"

namespace lumetta {
namespace {

// The controls a main window holds at design time, menu items and control array members included.
constexpr size_t kDesignControls = 87;

// Main windows whose skin file is a test's own, with favorites.
class ApplySkinTest : public test::FavoritesWindowTest {
 protected:
  void WriteSkin(const std::string& sheet) { skin_folder_.Write(kSkinFileName, sheet); }
  void RemoveSkin() { std::remove((skin_folder_.Path() + "/" + kSkinFileName).c_str()); }

  test::TempDir skin_folder_;
  test::RedirectedSkins skins_{skin_folder_.Path()};
};

TEST_F(ApplySkinTest, PaintsPictureBoxesAndYieldsOncePerControl) {
  WriteSkin("menuitem { color: #a00000; }");
  Shortcut("百度.url", "https://www.baidu.com/");
  Shortcut("新浪.url", "https://www.sina.com.cn/");
  Shortcut("网易.url", "https://www.163.com/");
  frmMain& form = windows_.CreateMainWindow();
  EXPECT_EQ(form.GetControls().Count(), kDesignControls);
  LoadAllFavorite(form);
  ASSERT_EQ(form.GetControls().Count(), kDesignControls + 3);

  const long yields = Yields().count;
  form.ApplySkin(form);
  EXPECT_EQ(Yields().count - yields, static_cast<long>(kDesignControls + 3));

  EXPECT_EQ(skins_.loads, std::vector<std::string>{ProgramFolder() + "/skin.skn"});
  EXPECT_EQ(test::TextColorOf(form.mnuMainFileOpen.Item()), "#a00000");
  EXPECT_EQ(form.BackColor(), kPanelColor);
  std::vector<std::string> painted;
  for (Control* control : form.GetControls()) {
    if (control->BackColor()) {
      EXPECT_EQ(control->BackColor(), kPanelColor);
      painted.push_back(control->Name());
    }
  }
  EXPECT_EQ(painted,
            (std::vector<std::string>{"picMainWeb", "picMainToolBar", "picBar1", "picBar2"}));
  // Entries made after the skin, as a rebuilt list is, wear it when the menu shows them.
  Shortcut("腾讯.url", "https://www.qq.com/");
  LoadAllFavorite(form);
  PlaceFavoriteEntries(form);
  EXPECT_EQ(test::TextColorOf(form.mnuMainFavoriteUser(4).Item()), "#a00000");
}

TEST_F(ApplySkinTest, WindowClosedDuringTheWalkIsLeftAlone) {
  frmMain& form = windows_.CreateMainWindow();
  const int live = frmMain::InstanceCount();
  Glib::signal_idle().connect_once([&form] { form.Unload(); });
  const long yields = Yields().count;
  form.ApplySkin(form);
  EXPECT_EQ(Yields().count - yields, 1);
  // The walk stopped at the first control, the skin object; the panels after it stay unpainted.
  EXPECT_FALSE(form.picMainWeb.BackColor());
  EXPECT_TRUE(test::WaitUntil([&] { return frmMain::InstanceCount() == live - 1; }));
}

TEST_F(ApplySkinTest, SkinReplacedReachesOnlyTheNextWindow) {
  WriteSkin("menuitem { color: #a00000; }");
  frmMain& first = OpenWindow();
  WriteSkin("menuitem { color: #00a000; }");
  frmMain& second = OpenWindow();
  RemoveSkin();
  frmMain& third = OpenWindow();
  EXPECT_EQ(test::TextColorOf(first.mnuMainFileOpen.Item()), "#a00000");
  EXPECT_EQ(test::TextColorOf(second.mnuMainFileOpen.Item()), "#00a000");
  EXPECT_NE(test::TextColorOf(third.mnuMainFileOpen.Item()), "#a00000");
  EXPECT_NE(test::TextColorOf(third.mnuMainFileOpen.Item()), "#00a000");
  EXPECT_EQ(skins_.loads.size(), 3u);
}

std::string ShippedSkin() {
  std::ifstream file(LUMETTA_DATA_DIR "/skin.skn", std::ios::binary);
  std::ostringstream contents;
  contents << file.rdbuf();
  return contents.str();
}

// The colour on screen at a point of a widget, as 0x00BBGGRR.
std::uint32_t PixelAt(Gtk::Widget& widget, int x, int y) {
  Gtk::Widget& top = *widget.get_toplevel();
  int top_x = 0;
  int top_y = 0;
  if (!widget.translate_coordinates(top, x, y, top_x, top_y)) return 0xFFFFFFFF;
  auto pixbuf = Gdk::Pixbuf::create(top.get_window(), top_x, top_y, 1, 1);
  if (!pixbuf) return 0xFFFFFFFF;
  const guint8* rgb = pixbuf->get_pixels();
  return rgb[0] | (rgb[1] << 8) | (rgb[2] << 16);
}

class RenderedPanelTest : public ApplySkinTest, public testing::WithParamInterface<bool> {};

// With the skin the program ships, or with none at all.
TEST_P(RenderedPanelTest, PanelsShowThePanelColour) {
  if (GetParam()) WriteSkin(ShippedSkin());
  frmMain& form = OpenWindow();
  // Corners of the toolbar strip and of the address bar that no control covers.
  std::uint32_t toolbar = 0;
  std::uint32_t address_bar = 0;
  EXPECT_TRUE(test::WaitUntil([&] {
    toolbar = PixelAt(form.picMainToolBar.Layout(), 2, 2);
    address_bar = PixelAt(form.picBar1.Layout(), 1, 0);
    return toolbar == kPanelColor && address_bar == kPanelColor;
  }));
  EXPECT_EQ(toolbar, kPanelColor) << std::hex << toolbar;
  EXPECT_EQ(address_bar, kPanelColor) << std::hex << address_bar;
}

INSTANTIATE_TEST_SUITE_P(Skins, RenderedPanelTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? "Shipped" : "Missing";
                         });

}  // namespace
}  // namespace lumetta
