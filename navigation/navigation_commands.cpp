#include "navigation/navigation_commands.h"

#include <glib.h>

#include "app/settings.h"
#include "navigation/browser_events.h"
#include "platform/trim.h"
#include "ui/main_window/do_navigate.h"
#include "ui/main_window/frm_main.h"
#include "ui/main_window/window_host.h"

namespace lumetta {

void txtURL_GotFocus(frmMain& form) {
  const std::string text = form.txtURL.Text();
  form.txtURL.Select(0, static_cast<int>(g_utf8_strlen(text.c_str(), -1)));
}

void txtURL_KeyDown(frmMain& form, int key_code, int) {
  if (key_code != kKeyReturn) return;
  const std::string text = form.txtURL.Text();
  DoNavigate(form, std::string(TrimSpaces(text)));
}

void mnuMainViewGoBack_Click(frmMain& form) {
  form.NavigationStarted();
  form.webMain->GoBack();
}

void mnuMainViewGoForword_Click(frmMain& form) {
  form.NavigationStarted();
  form.webMain->GoForward();
}

void mnuMainViewGoHomePage_Click(frmMain& form) { DoNavigate(form, gstrHomePage); }

void mnuMainViewStop_Click(frmMain& form) { form.webMain->Stop(); }

void mnuMainViewRefresh_Click(frmMain& form) {
  form.NavigationStarted();
  form.webMain->Refresh();
}

void mnuMainFileNewLabel_Click(frmMain& form) { form.DoAddNewWindow("about:blank"); }

void mnuMainFileOpen_Click(frmMain& form) { form.Host().ShowOpenDialog(); }

void mnuMainFileOffLine_Click(frmMain& form) {
  const bool offline = !form.mnuMainFileOffLine.Checked();
  form.mnuMainFileOffLine.SetChecked(offline);
  form.webMain->SetOffline(offline);
  form.webMain->SetSilent(offline);
}

void ConnectNavigationEvents(frmMain& form) {
  form.Connect({
      {form.txtURL.GotFocus, txtURL_GotFocus},
      {form.txtURL.KeyDown, txtURL_KeyDown},
      {form.mnuMainFileNewLabel.Click, mnuMainFileNewLabel_Click},
      {form.mnuMainFileOpen.Click, mnuMainFileOpen_Click},
      {form.mnuMainFileOffLine.Click, mnuMainFileOffLine_Click},
      {form.mnuMainViewGoHomePage.Click, mnuMainViewGoHomePage_Click},
      {form.mnuMainViewGoBack.Click, mnuMainViewGoBack_Click},
      {form.mnuMainViewGoForword.Click, mnuMainViewGoForword_Click},
      {form.mnuMainViewStop.Click, mnuMainViewStop_Click},
      {form.mnuMainViewRefresh.Click, mnuMainViewRefresh_Click},
  });
  // The toolbar's navigation buttons run the menu items' handlers.
  form.SetToolbarAction(kToolBack, mnuMainViewGoBack_Click);
  form.SetToolbarAction(kToolForward, mnuMainViewGoForword_Click);
  form.SetToolbarAction(kToolStop, mnuMainViewStop_Click);
  form.SetToolbarAction(kToolRefresh, mnuMainViewRefresh_Click);
  form.SetToolbarAction(kToolHome, mnuMainViewGoHomePage_Click);

  ConnectBrowserEvents(form);
}

}  // namespace lumetta
