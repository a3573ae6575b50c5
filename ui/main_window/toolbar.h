#pragma once

namespace lumetta {

class frmMain;

// A click on one of the toolbar's image buttons, by the button's index.
void imgToolBar_Click(frmMain& form, int index);

}  // namespace lumetta
