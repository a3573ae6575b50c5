#pragma once

namespace lumetta {

class frmMain;

// Ties the page commands' menu items to their handlers for as long as the window is open.
void ConnectPageEvents(frmMain& form);

}  // namespace lumetta
