#pragma once

#include "app/browser_control.h"
#include "ui/controls/control_array.h"
#include "ui/controls/controls.h"
#include "ui/controls/image_button.h"
#include "ui/controls/picture_box.h"
#include "ui/controls/skin_control.h"
#include "ui/controls/text_box.h"
#include "ui/controls/web_browser_host.h"

namespace lumetta {

class Form;

// Indexes of the toolbar's image buttons.
inline constexpr int kToolBack = 1;
inline constexpr int kToolForward = 2;
inline constexpr int kToolStop = 3;
inline constexpr int kToolRefresh = 4;
inline constexpr int kToolHome = 5;
inline constexpr int kToolSearch = 92;
inline constexpr int kToolSearchEngines = 93;

// The control tree of a main window, at its design geometry.
struct MainControls {
  explicit MainControls(BrowserControl& control);

  // Records the controls in creation order and puts each in its container.
  void Build(Form& form, Controls& controls);

  SkinControl Skin1{"Skin1"};
  PictureBox picMainWeb{"picMainWeb"};
  WebBrowserHost webMain;
  PictureBox picMainToolBar{"picMainToolBar"};
  PictureBox picBar1{"picBar1"};
  TextBox txtURL{"txtURL"};
  PictureBox picBar2{"picBar2"};
  TextBox txtSearch{"txtSearch"};
  ControlArray<ImageButton> imgToolBar;
};

}  // namespace lumetta
