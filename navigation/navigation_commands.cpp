#include "navigation/navigation_commands.h"

#include <glib.h>

#include "app/settings.h"
#include "ui/main_window/do_navigate.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {

std::string TrimSpaces(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

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

void mnuMainFileOffLine_Click(frmMain& form) {
  const bool offline = !form.mnuMainFileOffLine.Checked();
  form.mnuMainFileOffLine.SetChecked(offline);
  form.webMain->SetOffline(offline);
  form.webMain->SetSilent(offline);
}

}  // namespace lumetta
