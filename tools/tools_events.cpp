#include "tools/tools_events.h"

#include "tools/external_tools.h"
#include "tools/mod_history.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {

void ConnectToolsEvents(frmMain& form) {
  const std::pair<MenuItem*, void (*)(frmMain&)> handlers[] = {
      {&form.mnuMainToolHistoryClearExplorer, &mnuMainToolHistoryClearExplorer_Click},
      {&form.mnuMainToolEXENotepad, &mnuMainToolEXENotepad_Click},
      {&form.mnuMainToolEXECalc, &mnuMainToolEXECalc_Click},
      {&form.mnuMainToolEXEExplorer, &mnuMainToolEXEExplorer_Click},
      {&form.mnuMainToolInternetOption, &mnuMainToolInternetOption_Click},
      {&form.mnuMainHelpAbout, &mnuMainHelpAbout_Click},
      {&form.mnuMainHelpSoftPage, &mnuMainHelpSoftPage_Click},
  };
  for (const auto& [item, handler] : handlers) {
    form.Track(item->Click.connect([&form, handler = handler](int) { handler(form); }));
  }
}

}  // namespace lumetta
