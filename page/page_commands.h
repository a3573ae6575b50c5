#pragma once

namespace lumetta {

class frmMain;

// The File and Edit menus' page commands. Each hands its command to the window's browser
// control, which shows its own dialogs; a command the control refuses is ignored.
void mnuMainFileSaveAs_Click(frmMain& form);
void mnuMainFilePageSet_Click(frmMain& form);
void mnuMainFilePrint_Click(frmMain& form);
void mnuMainFilePrintPreView_Click(frmMain& form);
void mnuMainFileProperty_Click(frmMain& form);
void mnuMainEditCut_Click(frmMain& form);
void mnuMainEditCopy_Click(frmMain& form);
void mnuMainEditPaste_Click(frmMain& form);
void mnuMainEditSelectAll_Click(frmMain& form);
// Sends Ctrl+F to the focused control: in the page it opens the control's find dialog.
void mnuMainEditFind_Click(frmMain& form);

}  // namespace lumetta
