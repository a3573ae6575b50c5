#pragma once

#include <string>

namespace Gtk {
class Window;
}  // namespace Gtk

namespace lumetta {

class MessageBox;

// The Add Favorite and Organize Favorites dialogs. Both are modal over `owner` and return once
// closed.
class FavoritesDialogs {
 public:
  FavoritesDialogs() = default;
  FavoritesDialogs(const FavoritesDialogs&) = delete;
  FavoritesDialogs& operator=(const FavoritesDialogs&) = delete;
  virtual ~FavoritesDialogs() = default;

  // Proposes `title` as the name of a new favorite in `folder` or one of its sub-folders. On OK
  // gives the full path of the shortcut file to write; "" when the user cancels.
  virtual std::string AddFavorite(Gtk::Window& owner, const std::string& folder,
                                  const std::string& title) = 0;
  // Lets the user rename, move and delete the favorites in `folder` and create folders there,
  // in place.
  virtual void OrganizeFavorites(Gtk::Window& owner, const std::string& folder) = 0;
};

// The dialogs as GTK dialogs of our own; their questions and notices go to `message_box`.
class GtkFavoritesDialogs : public FavoritesDialogs {
 public:
  explicit GtkFavoritesDialogs(MessageBox& message_box) : message_box_(message_box) {}

  std::string AddFavorite(Gtk::Window& owner, const std::string& folder,
                          const std::string& title) override;
  void OrganizeFavorites(Gtk::Window& owner, const std::string& folder) override;

 private:
  MessageBox& message_box_;
};

}  // namespace lumetta
