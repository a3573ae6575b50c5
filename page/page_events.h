#pragma once

#include "app/browser_control.h"

namespace lumetta {

class frmMain;

// The control's own keys for the page commands: Ctrl+P prints as File > 打印 does, Ctrl+plus,
// Ctrl+minus and Ctrl+wheel zoom as View > 网页缩放 > 放大20% and 缩小20% do, Ctrl+0 as 100%.
void webMain_PageShortcut(frmMain& form, ControlShortcut shortcut);

// Ties the page commands' menu items to their handlers for as long as the window is open.
void ConnectPageEvents(frmMain& form);

}  // namespace lumetta
