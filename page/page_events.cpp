#include "page/page_events.h"

#include "ui/main_window/frm_main.h"

namespace lumetta {

void ConnectPageEvents(frmMain&) {}

}  // namespace lumetta
