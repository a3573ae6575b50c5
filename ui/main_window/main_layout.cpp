#include "ui/main_window/main_layout.h"

namespace lumetta {

void LayOutMainWindow(const MainLayoutControls& c, double width, double height) {
  c.picMainToolBar.SetTop(0);
  c.picMainToolBar.SetLeft(0);
  c.picMainToolBar.SetWidth(width - 5);
  c.picBar1.SetTop(c.back.Top() - 25);
  c.picBar1.SetLeft(c.forward.Left() + c.forward.Width() + 80);
  c.picBar1.SetWidth(c.picMainToolBar.Width() - c.picBar2.Width() - c.forward.Left() -
                     c.forward.Width());
  c.picBar2.SetTop(c.picBar1.Top());
  c.picBar2.SetLeft(c.picBar1.Left() + c.picBar1.Width());
  c.stop.SetLeft(c.picBar1.Width() - c.stop.Width() - 200);
  c.refresh.SetLeft(c.stop.Left() - c.stop.Width() - 50);
  c.txtURL.SetWidth(c.refresh.Left() - c.txtURL.Left() - 60);
  c.picMainWeb.SetTop(c.picMainToolBar.Top() + c.picMainToolBar.Height());
  c.picMainWeb.SetLeft(0);
  c.picMainWeb.SetWidth(c.picMainToolBar.Width() - 10);
  c.picMainWeb.SetHeight(height - c.picMainToolBar.Height());
  c.webMain.SetLeft(0);
  c.webMain.SetTop(0);
  c.webMain.SetWidth(c.picMainWeb.Width() - 5);
  c.webMain.SetHeight(c.picMainWeb.Height());
}

void LayOutFullScreen(const MainLayoutControls& c, double width, double height) {
  c.picMainWeb.Move(0, 0, width, height);
  c.webMain.Move(0, 0, width, height);
}

}  // namespace lumetta
