#pragma once

namespace lumetta {

class frmMain;

// Searches the chosen engine for the search box's keyword, in this window.
void DoSearch(frmMain& form);

// Chooses engine `index` (0 to 2) for the searches of every window.
void mnuMainToolSearchType_Click(frmMain& form, int index);

void txtSearch_GotFocus(frmMain& form);
void txtSearch_KeyPress(frmMain& form, int key_ascii);

// Ties the search box, the engine items and the search bar's buttons to their handlers for as
// long as the window is open.
void ConnectSearchEvents(frmMain& form);

}  // namespace lumetta
