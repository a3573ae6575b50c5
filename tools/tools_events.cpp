#include "tools/tools_events.h"

#include "ui/main_window/frm_main.h"

namespace lumetta {

void ConnectToolsEvents(frmMain&) {}

}  // namespace lumetta
