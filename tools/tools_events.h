#pragma once

namespace lumetta {

class frmMain;

// Ties the tools commands' menu items to their handlers for as long as the window is open.
void ConnectToolsEvents(frmMain& form);

}  // namespace lumetta
