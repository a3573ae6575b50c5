#pragma once

namespace lumetta {

class frmMain;

// Ties every subsystem's handlers to a new main window's events, before the window loads.
void ConnectSubsystems(frmMain& form);

}  // namespace lumetta
