#include "tools/tools_events.h"

#include "tools/external_tools.h"
#include "tools/mod_history.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {

void ConnectToolsEvents(frmMain& form) {
  form.Connect({
      {form.mnuMainToolHistoryClearExplorer.Click, mnuMainToolHistoryClearExplorer_Click},
      {form.mnuMainToolEXENotepad.Click, mnuMainToolEXENotepad_Click},
      {form.mnuMainToolEXECalc.Click, mnuMainToolEXECalc_Click},
      {form.mnuMainToolEXEExplorer.Click, mnuMainToolEXEExplorer_Click},
      {form.mnuMainToolInternetOption.Click, mnuMainToolInternetOption_Click},
      {form.mnuMainHelpAbout.Click, mnuMainHelpAbout_Click},
      {form.mnuMainHelpSoftPage.Click, mnuMainHelpSoftPage_Click},
  });
}

}  // namespace lumetta
