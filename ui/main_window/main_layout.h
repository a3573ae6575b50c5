#pragma once

#include "ui/controls/control.h"

namespace lumetta {

// The controls that follow a main window's size.
struct MainLayoutControls {
  Control& picMainToolBar;
  Control& picBar1;
  Control& picBar2;
  Control& back;     // imgToolBar(1)
  Control& forward;  // imgToolBar(2)
  Control& stop;     // imgToolBar(3)
  Control& refresh;  // imgToolBar(4)
  Control& txtURL;
  Control& picMainWeb;
  Control& webMain;
};

// Lays the controls out for a client area of `width` x `height` twips. Each step reads the values
// current at that moment; a size a control refuses leaves its old one for the later steps.
void LayOutMainWindow(const MainLayoutControls& c, double width, double height);
// Lays the page alone over the whole client area, for a page in full screen: no frame of
// picMainWeb shows around webMain.
void LayOutFullScreen(const MainLayoutControls& c, double width, double height);

}  // namespace lumetta
