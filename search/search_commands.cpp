#include "search/search_commands.h"

#include <glib.h>

#include <string>

#include "app/search_templates.h"
#include "app/settings.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/trim.h"
#include "search/search_engine_menu.h"
#include "ui/main_window/do_navigate.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {

namespace {

constexpr char kEmptyKeywordPrompt[] = "请输入搜索关键字!";
constexpr char kEmptyKeywordTitle[] = "提示";

}  // namespace

void DoSearch(frmMain& form) {
  const std::string text = form.txtSearch.Text();
  const std::string keyword(TrimSpacesAndIdeographicSpaces(text));
  if (keyword.empty()) {
    const std::weak_ptr<void> alive = form.Alive();
    if (MessageBox* box = ThePlatform().message_box) {
      box->Show(kEmptyKeywordPrompt, kMbOk + kMbIconInformation, kEmptyKeywordTitle);
    }
    // The box ran the main loop: the window may have closed meanwhile.
    if (!alive.expired()) form.txtSearch.SetFocus();
    return;
  }
  // A number that names no template leaves the address empty, as a failed lookup would.
  std::string url;
  if (const std::optional<int> slot = SearchSlot(gstrSearchType)) {
    url = BuildSearchUrl(gstrSearchURL[*slot], keyword);
  }
  DoNavigate(form, url);
}

void mnuMainToolSearchType_Click(frmMain& form, int index) {
  gstrSearchType = std::to_string(index);
  auto& items = form.mnuMainToolSearchType;
  for (int i = 0; i < kSearchEngineCount; ++i) {
    if (items.Exists(i)) items(i).SetChecked(false);
  }
  if (!items.Exists(index)) return;
  items(index).SetChecked(true);
  form.txtSearch.SetText(items(index).Caption());
}

void txtSearch_GotFocus(frmMain& form) {
  const std::string text = form.txtSearch.Text();
  form.txtSearch.Select(0, static_cast<int>(g_utf8_strlen(text.c_str(), -1)));
}

void txtSearch_KeyPress(frmMain& form, int key_ascii) {
  if (key_ascii == kKeyReturn) DoSearch(form);
}

void ConnectSearchEvents(frmMain& form) {
  form.Connect({
      {form.txtSearch.GotFocus, txtSearch_GotFocus},
      {form.txtSearch.KeyPress, txtSearch_KeyPress},
      {form.mnuMainToolSearchType, &MenuItem::Click, mnuMainToolSearchType_Click},
  });
  form.SetToolbarAction(kToolSearch, DoSearch);
  form.SetToolbarAction(kToolSearchEngines, PopUpSearchEngines);
}

}  // namespace lumetta
