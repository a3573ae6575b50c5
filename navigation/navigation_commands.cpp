#include "navigation/navigation_commands.h"

#include <glib.h>

#include "app/settings.h"
#include "app/trim_spaces.h"
#include "navigation/browser_events.h"
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
  DoNavigate(form, TrimSpaces(form.txtURL.Text()));
}

void mnuMainViewGoBack_Click(frmMain& form) { form.webMain->GoBack(); }

void mnuMainViewGoForword_Click(frmMain& form) { form.webMain->GoForward(); }

void mnuMainViewGoHomePage_Click(frmMain& form) { DoNavigate(form, gstrHomePage); }

void mnuMainViewStop_Click(frmMain& form) { form.webMain->Stop(); }

void mnuMainViewRefresh_Click(frmMain& form) { form.webMain->Refresh(); }

void mnuMainFileNewLabel_Click(frmMain& form) { form.DoAddNewWindow("about:blank"); }

void mnuMainFileOpen_Click(frmMain& form) { form.Host().ShowOpenDialog(); }

void mnuMainFileOffLine_Click(frmMain& form) {
  const bool offline = !form.mnuMainFileOffLine.Checked();
  form.mnuMainFileOffLine.SetChecked(offline);
  form.webMain->SetOffline(offline);
  form.webMain->SetSilent(offline);
}

void ConnectNavigationEvents(frmMain& form) {
  auto on_click = [&form](MenuItem& item, void (*handler)(frmMain&)) {
    form.Track(item.Click.connect([&form, handler](int) { handler(form); }));
  };
  form.Track(form.txtURL.GotFocus.connect([&form] { txtURL_GotFocus(form); }));
  form.Track(form.txtURL.KeyDown.connect(
      [&form](int key, int shift) { txtURL_KeyDown(form, key, shift); }));
  on_click(form.mnuMainFileNewLabel, &mnuMainFileNewLabel_Click);
  on_click(form.mnuMainFileOpen, &mnuMainFileOpen_Click);
  on_click(form.mnuMainFileOffLine, &mnuMainFileOffLine_Click);
  on_click(form.mnuMainViewGoHomePage, &mnuMainViewGoHomePage_Click);
  on_click(form.mnuMainViewGoBack, &mnuMainViewGoBack_Click);
  on_click(form.mnuMainViewGoForword, &mnuMainViewGoForword_Click);
  on_click(form.mnuMainViewStop, &mnuMainViewStop_Click);
  on_click(form.mnuMainViewRefresh, &mnuMainViewRefresh_Click);

  // The toolbar's navigation buttons run the menu items' handlers.
  form.SetToolbarAction(kToolBack, [&form] { mnuMainViewGoBack_Click(form); });
  form.SetToolbarAction(kToolForward, [&form] { mnuMainViewGoForword_Click(form); });
  form.SetToolbarAction(kToolStop, [&form] { mnuMainViewStop_Click(form); });
  form.SetToolbarAction(kToolRefresh, [&form] { mnuMainViewRefresh_Click(form); });
  form.SetToolbarAction(kToolHome, [&form] { mnuMainViewGoHomePage_Click(form); });

  ConnectBrowserEvents(form);
}

}  // namespace lumetta
