#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/favorites_dialogs.h"

namespace lumetta::test {

// Favorites dialogs that record how they were opened and act as the test scripts them.
class FakeFavoritesDialogs : public FavoritesDialogs {
 public:
  struct Opened {
    Gtk::Window* owner = nullptr;
    std::string folder;
    std::string title;  // Add Favorite only
  };

  std::string AddFavorite(Gtk::Window& owner, const std::string& folder,
                          const std::string& title) override {
    added.push_back({&owner, folder, title});
    return add_answer ? add_answer(folder, title) : std::string();
  }
  void OrganizeFavorites(Gtk::Window& owner, const std::string& folder) override {
    organized.push_back({&owner, folder, ""});
    if (while_organizing) while_organizing(folder);
  }

  std::vector<Opened> added;
  std::vector<Opened> organized;
  // The path the Add Favorite dialog gives back; unset or "" means the user cancelled.
  std::function<std::string(const std::string& folder, const std::string& title)> add_answer;
  // What the user does in the Organize Favorites dialog.
  std::function<void(const std::string& folder)> while_organizing;
};

}  // namespace lumetta::test
