#include "page/page_commands.h"

#include "ui/main_window/frm_main.h"

namespace lumetta {

namespace {

void Exec(frmMain& form, int command) { form.webMain->ExecWB(command, kOleCmdExecOptDoDefault); }

}  // namespace

void mnuMainFileSaveAs_Click(frmMain& form) { Exec(form, kOleCmdIdSaveAs); }

void mnuMainFilePageSet_Click(frmMain& form) { Exec(form, kOleCmdIdPageSetup); }

void mnuMainFilePrint_Click(frmMain& form) { Exec(form, kOleCmdIdPrint); }

void mnuMainFilePrintPreView_Click(frmMain& form) { Exec(form, kOleCmdIdPrintPreview); }

void mnuMainFileProperty_Click(frmMain& form) { Exec(form, kOleCmdIdProperties); }

void mnuMainEditCut_Click(frmMain& form) { Exec(form, kOleCmdIdCut); }

void mnuMainEditCopy_Click(frmMain& form) { Exec(form, kOleCmdIdCopy); }

void mnuMainEditPaste_Click(frmMain& form) { Exec(form, kOleCmdIdPaste); }

void mnuMainEditSelectAll_Click(frmMain& form) { Exec(form, kOleCmdIdSelectAll); }

// The find dialog opens only over a page that has the keyboard focus, as Ctrl+F typed there.
void mnuMainEditFind_Click(frmMain& form) { form.webMain->Find(); }

}  // namespace lumetta
