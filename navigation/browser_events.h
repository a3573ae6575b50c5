#pragma once

#include <string>

namespace lumetta {

class BrowserControl;
class frmMain;

// How a main window follows its browser control.
void webMain_BeforeNavigate2(frmMain& form, const std::string& url);
void webMain_DocumentComplete(frmMain& form, const std::string& url);
void webMain_TitleChange(frmMain& form, const std::string& text);
void webMain_CommandStateChange(frmMain& form, int command, bool enable);
void webMain_NewWindow2(frmMain& form, BrowserControl*& new_control);

// Connects the window's handlers to its control's events.
void ConnectBrowserEvents(frmMain& form);

}  // namespace lumetta
