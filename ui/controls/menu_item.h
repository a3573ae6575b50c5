#pragma once

#include <gtkmm/accelgroup.h>
#include <gtkmm/menu.h>
#include <gtkmm/menuitem.h>

#include <memory>
#include <vector>

#include "ui/controls/control.h"

namespace lumetta {

// The GTK label for a caption: "&" marks the access key, "&&" is a literal "&", and a literal
// "_" is kept as such.
std::string MnemonicLabel(const std::string& caption);

enum class MenuKind {
  kCommand,  // a plain item
  kCheck,    // an item that can carry a check mark
  kSubmenu,  // an item that opens a submenu
  // One of a long list of names from outside the program (favorite files). The caption shows as
  // it is: "&" marks no access key and control characters show as blanks. The item draws it
  // itself, which keeps the first opening of a menu of thousands of entries fast.
  kEntry,
};

// A menu item. The caption "-" makes a separator line.
class MenuItem : public Control {
 public:
  MenuItem(std::string name, const std::string& caption, MenuKind kind = MenuKind::kCommand,
           int index = kNoIndex);

  Gtk::Widget* Widget() override { return item_.get(); }
  Gtk::MenuItem& Item() { return *item_; }

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

  // Appends a child to this item's submenu, or inserts it before `position`.
  void Append(MenuItem& child);
  void Insert(MenuItem& child, int position);
  void Remove(MenuItem& child);
  // Before `children` of the submenu go all at once: makes their going cost the same however
  // long the submenu (ReleaseItemWindows).
  void ReadyToRemove(const std::vector<MenuItem*>& children);
  Gtk::Menu* Submenu() { return submenu_.get(); }
  // Has every item of the submenu restyle in one sweep, before GTK first shows it: left to the
  // showing, GTK restyles a long menu item by item and walks the whole menu for each one.
  void RestyleSubmenu();

  // Shows `key` as the item's shortcut and makes it choose the item.
  void SetShortcut(const Glib::RefPtr<Gtk::AccelGroup>& accelerators, guint key);

  sigc::signal<void(int index)> Click;
  // Raised as the item's submenu is about to drop down, before it shows.
  sigc::signal<void()> DropDown;

  // Chooses the item as the user would.
  void PerformClick() { item_->activate(); }

 protected:
  void ApplyCaption() override;

 private:
  void OnActivate();
  Gtk::Menu& MakeSubmenu();

  MenuKind kind_;
  bool separator_ = false;
  bool checked_ = false;
  bool syncing_ = false;
  std::unique_ptr<Gtk::MenuItem> item_;
  std::unique_ptr<Gtk::Menu> submenu_;
};

}  // namespace lumetta
