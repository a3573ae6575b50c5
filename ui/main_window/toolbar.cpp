#include "ui/main_window/toolbar.h"

#include "ui/main_window/frm_main.h"

namespace lumetta {

void imgToolBar_Click(frmMain& form, int index) {
  if (const frmMain::ToolbarHandler action = form.ToolbarAction(index)) action(form);
}

}  // namespace lumetta
