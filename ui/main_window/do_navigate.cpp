#include "ui/main_window/do_navigate.h"

#include "app/do_events.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {

void DoNavigate(frmMain& form, std::string url) {
  const std::weak_ptr<void> alive = form.Alive();
  form.NavigationStarted();
  DoEvents();
  if (alive.expired()) return;
  form.webMain->Navigate(url);
  DoEvents();
}

}  // namespace lumetta
