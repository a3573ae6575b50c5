#include "ui/main_window/toolbar.h"

#include "navigation/navigation_commands.h"
#include "search/search_commands.h"
#include "search/search_engine_menu.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {

void imgToolBar_Click(frmMain& form, int index) {
  switch (index) {
    case kToolBack:
      mnuMainViewGoBack_Click(form);
      break;
    case kToolForward:
      mnuMainViewGoForword_Click(form);
      break;
    case kToolStop:
      mnuMainViewStop_Click(form);
      break;
    case kToolRefresh:
      mnuMainViewRefresh_Click(form);
      break;
    case kToolHome:
      mnuMainViewGoHomePage_Click(form);
      break;
    case kToolSearch:
      DoSearch(form);
      break;
    case kToolSearchEngines:
      PopUpSearchEngines(form);
      break;
    default:
      break;
  }
}

}  // namespace lumetta
