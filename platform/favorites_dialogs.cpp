#include "platform/favorites_dialogs.h"

#include "platform/add_favorite_dialog.h"
#include "platform/organize_favorites_dialog.h"

namespace lumetta {

std::string GtkFavoritesDialogs::AddFavorite(Gtk::Window& owner, const std::string& folder,
                                             const std::string& title) {
  AddFavoriteDialog dialog(owner, folder, title, message_box_);
  return dialog.Run();
}

void GtkFavoritesDialogs::OrganizeFavorites(Gtk::Window& owner, const std::string& folder) {
  OrganizeFavoritesDialog dialog(owner, folder, message_box_);
  dialog.Run();
}

}  // namespace lumetta
