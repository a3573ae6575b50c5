#include "favorites/favorite_commands.h"

#include <glib.h>

#include <memory>
#include <string>

#include "app/do_events.h"
#include "app/resume_next.h"
#include "favorites/mod_favorite.h"
#include "platform/favorites_dialogs.h"
#include "platform/platform.h"
#include "platform/shell_folders.h"
#include "ui/main_window/do_navigate.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {

void mnuMainFavoriteAdd_Click(frmMain& form) {
  const std::string title = form.webMain->LocationName();
  const std::string url = form.webMain->LocationURL();
  // The dialog runs a nested main loop, in which the window may close.
  const std::weak_ptr<void> alive = form.Alive();
  const std::string path = AddFavorite(form, title, url);
  if (path.empty() || alive.expired()) return;
  LoadAllFavorite(form);
}

void mnuMainFavoriteModify_Click(frmMain& form) {
  const std::string folder = GetFolderPath(form, kCsidlFavorites);
  const std::weak_ptr<void> alive = form.Alive();
  if (FavoritesDialogs* dialogs = ThePlatform().favorites_dialogs) {
    YieldScope modal;
    dialogs->OrganizeFavorites(form.Window(), folder);
  }
  if (alive.expired()) return;
  LoadAllFavorite(form);
}

void mnuMainFavoriteUser_Click(frmMain& form, int index) {
  // An index without an entry throws.
  Try([&] {
    const std::string& address = form.mnuMainFavoriteUser(index).Tag();
    // A bookmarklet works on the page that is shown.
    if (g_ascii_strncasecmp(address.c_str(), "javascript:", 11) == 0) {
      form.webMain->RunBookmarklet(address);
    } else {
      DoNavigate(form, address);
    }
  });
}

void mnuMainFavoriteBaiDu_Click(frmMain& form) {
  Try([&] { form.DoAddNewWindow(kBaiduHomePage); });
}

void mnuMainFavoriteYahoo_Click(frmMain& form) {
  Try([&] { form.DoAddNewWindow(kYahooHomePage); });
}

void mnuMainFavoriteGoogle_Click(frmMain& form) {
  Try([&] { form.DoAddNewWindow(kGoogleHomePage); });
}

void ConnectFavoriteEvents(frmMain& form) {
  form.Connect({
      {form.FavoritesLoad, LoadAllFavorite},
      {form.mnuMainFavorite.DropDown, PlaceFavoriteEntries},
      {form.mnuMainFavoriteAdd.Click, mnuMainFavoriteAdd_Click},
      {form.mnuMainFavoriteModify.Click, mnuMainFavoriteModify_Click},
      {form.mnuMainFavoriteBaiDu.Click, mnuMainFavoriteBaiDu_Click},
      {form.mnuMainFavoriteYahoo.Click, mnuMainFavoriteYahoo_Click},
      {form.mnuMainFavoriteGoogle.Click, mnuMainFavoriteGoogle_Click},
      {form.mnuMainFavoriteUser, &MenuItem::Click, mnuMainFavoriteUser_Click},
  });
}

void ConnectFavoriteEntry(frmMain& form, MenuItem& entry) {
  form.Connect({{entry.Click, mnuMainFavoriteUser_Click}});
}

}  // namespace lumetta
