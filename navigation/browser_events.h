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
// The control's own keys for navigation: back and forward as the View menu's items, Esc as
// Stop, and Ctrl+N a new window on the page's address.
void webMain_NavigationShortcut(frmMain& form, ControlShortcut shortcut);
// A link the user opens in a new window opens in a new main window, without an opener.
void webMain_OpenLinkInNewWindow(frmMain& form, const std::string& url);

// Connects the window's handlers to its control's events.
void ConnectBrowserEvents(frmMain& form);

}  // namespace lumetta
