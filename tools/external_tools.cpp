#include "tools/external_tools.h"

#include "app/resume_next.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/program_folder.h"
#include "platform/shell.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {
namespace {

// Started without arguments in the browser's own folder; one that cannot start shows nothing.
void StartUtility(const char* program) {
  if (Shell* shell = ThePlatform().shell) {
    shell->ShellExecute("Open", program, "", ProgramFolder(), kSwShowNormal);
  }
}

}  // namespace

void mnuMainToolEXENotepad_Click(frmMain&) { StartUtility(kNotepad); }

void mnuMainToolEXECalc_Click(frmMain&) { StartUtility(kCalculator); }

void mnuMainToolEXEExplorer_Click(frmMain&) { StartUtility(kExplorer); }

void mnuMainToolInternetOption_Click(frmMain&) {
  if (Shell* shell = ThePlatform().shell) {
    shell->RunCommandLine(kInternetOptionsCommand, kSwShowNormal);
  }
}

void mnuMainHelpAbout_Click(frmMain&) {
  if (MessageBox* box = ThePlatform().message_box) {
    box->Show(kAboutText, kMbIconInformation, "关于...");
  }
}

void mnuMainHelpSoftPage_Click(frmMain& form) {
  Try([&] { form.DoAddNewWindow(kMakerSite); });
}

}  // namespace lumetta
