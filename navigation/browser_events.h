#pragma once

#include <string>

#include "app/browser_control.h"

namespace lumetta {

class frmMain;

// How a main window follows its browser control.
void webMain_BeforeNavigate2(frmMain& form, const std::string& url);
void webMain_DocumentComplete(frmMain& form, const std::string& url);
void webMain_TitleChange(frmMain& form, const std::string& text, TitleSource source);
void webMain_CommandStateChange(frmMain& form, int command, bool enable);
// The control a page's new window opens in, or null when the window is refused.
BrowserControl* webMain_NewWindow2(frmMain& form);

// Connects the window's handlers to its control's events.
void ConnectBrowserEvents(frmMain& form);

}  // namespace lumetta
