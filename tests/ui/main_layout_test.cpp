#include "ui/main_window/main_layout.h"

#include <gtest/gtest.h>

namespace lumetta {
namespace {

// The main window's controls at their design geometry, without widgets.
class MainLayoutTest : public testing::Test {
 protected:
  MainLayoutTest() {
    picMainToolBar.Move(0, 0, 13515, 465);
    picBar1.Move(1260, 0, 6720, 420);
    picBar2.Move(8055, 0, 4020, 420);
    back.Move(570, 90, 240, 240);
    forward.Move(960, 90, 240, 240);
    stop.Move(6390, 45, 240, 240);
    refresh.Move(6030, 45, 240, 240);
    txtURL.Move(45, 30, 5775, 285);
    picMainWeb.Move(135, 630, 6360, 5595);
  }

  void LayOut(double width, double height) {
    LayOutMainWindow({picMainToolBar, picBar1, picBar2, back, forward, stop, refresh, txtURL,
                      picMainWeb, webMain},
                     width, height);
  }

  Control picMainToolBar{"picMainToolBar", "PictureBox"};
  Control picBar1{"picBar1", "PictureBox"};
  Control picBar2{"picBar2", "PictureBox"};
  Control back{"imgToolBar", "Image", 1};
  Control forward{"imgToolBar", "Image", 2};
  Control stop{"imgToolBar", "Image", 3};
  Control refresh{"imgToolBar", "Image", 4};
  Control txtURL{"txtURL", "TextBox"};
  Control picMainWeb{"picMainWeb", "PictureBox"};
  Control webMain{"webMain", "WebBrowser"};
};

void ExpectGeometry(const Control& c, double left, double top, double width, double height) {
  EXPECT_EQ(c.Left(), left) << c.Name() << c.Index();
  EXPECT_EQ(c.Top(), top) << c.Name() << c.Index();
  EXPECT_EQ(c.Width(), width) << c.Name() << c.Index();
  EXPECT_EQ(c.Height(), height) << c.Name() << c.Index();
}

TEST_F(MainLayoutTest, MaximisedOnA1024PixelScreen) {
  const double w = 15360, h = 10000;
  LayOut(w, h);
  ExpectGeometry(picMainToolBar, 0, 0, w - 5, 465);
  ExpectGeometry(picBar1, 1280, 65, 10135, 420);
  ExpectGeometry(picBar2, 11415, 65, 4020, 420);
  ExpectGeometry(stop, w - 5665, 45, 240, 240);
  ExpectGeometry(refresh, w - 5955, 45, 240, 240);
  ExpectGeometry(txtURL, 45, 30, 9300, 285);
  ExpectGeometry(picMainWeb, 0, 465, w - 15, h - 465);
  ExpectGeometry(webMain, 0, 0, w - 20, h - 465);
}

TEST_F(MainLayoutTest, ButtonsOutsideTheBarsStayPut) {
  LayOut(15360, 10000);
  ExpectGeometry(back, 570, 90, 240, 240);
  ExpectGeometry(forward, 960, 90, 240, 240);
}

TEST_F(MainLayoutTest, NarrowWindowKeepsTheLastBarWidthAndFollowsAgain) {
  LayOut(9000, 6000);
  ASSERT_EQ(picBar1.Width(), 9000 - 5225);
  LayOut(5000, 6000);  // the address bar would get a negative width
  EXPECT_EQ(picBar1.Width(), 9000 - 5225);
  EXPECT_EQ(picBar2.Left(), 1280 + 9000 - 5225);
  EXPECT_EQ(stop.Left(), 9000 - 5665);
  EXPECT_EQ(txtURL.Width(), 9000 - 6060);
  EXPECT_EQ(picMainToolBar.Width(), 5000 - 5);
  LayOut(12000, 6000);
  EXPECT_EQ(picBar1.Width(), 12000 - 5225);
  EXPECT_EQ(txtURL.Width(), 12000 - 6060);
}

TEST_F(MainLayoutTest, AddressBoxKeepsItsWidthBelowItsMinimum) {
  LayOut(9000, 6000);
  LayOut(6000, 6000);  // bar fits, the box would not
  EXPECT_EQ(picBar1.Width(), 6000 - 5225);
  EXPECT_EQ(txtURL.Width(), 9000 - 6060);
}

TEST_F(MainLayoutTest, MinimiseAndRestoreLeaveEverythingInPlace) {
  LayOut(15360, 10000);
  LayOut(0, 0);
  ExpectGeometry(picMainToolBar, 0, 0, 15355, 465);
  ExpectGeometry(picMainWeb, 0, 465, 15345, 10000 - 465);
  ExpectGeometry(webMain, 0, 0, 15340, 10000 - 465);
  ExpectGeometry(txtURL, 45, 30, 9300, 285);
  LayOut(15360, 10000);
  ExpectGeometry(picBar2, 11415, 65, 4020, 420);
}

TEST_F(MainLayoutTest, ShortWindowKeepsThePageHeight) {
  LayOut(15360, 10000);
  LayOut(15360, 300);
  EXPECT_EQ(picMainWeb.Height(), 10000 - 465);
  EXPECT_EQ(webMain.Height(), 10000 - 465);
  EXPECT_EQ(picMainWeb.Top(), 465);
}

}  // namespace
}  // namespace lumetta
