#pragma once

namespace lumetta {

class frmMain;

void txtURL_GotFocus(frmMain& form);
void txtURL_KeyDown(frmMain& form, int key_code, int shift);

void mnuMainViewGoBack_Click(frmMain& form);
void mnuMainViewGoForword_Click(frmMain& form);
void mnuMainViewGoHomePage_Click(frmMain& form);
void mnuMainViewStop_Click(frmMain& form);
void mnuMainViewRefresh_Click(frmMain& form);
void mnuMainFileNewLabel_Click(frmMain& form);
// Shows the Open dialog, or brings it to the front.
void mnuMainFileOpen_Click(frmMain& form);
void mnuMainFileOffLine_Click(frmMain& form);

// Ties the address box, the navigation items, their toolbar buttons and the browser control's
// events to their handlers for as long as the window is open.
void ConnectNavigationEvents(frmMain& form);

}  // namespace lumetta
