#pragma once

#include <glibmm/extraclassinit.h>
#include <gtkmm/menuitem.h>

namespace lumetta {

// Registers the item's own GType, whose accessible finds the submenu's items in constant time.
class SubmenuItemType : public Glib::ExtraClassInit {
 protected:
  SubmenuItemType();
};

// A menu item that opens a submenu. GTK's accessible for such an item lists the submenu's items
// afresh for each item it looks at, and looks at every one each time the item is selected or
// deselected; it lists them all again for every item that joins or leaves the submenu. With the
// tens of thousands of entries a Favorites menu may hold, choosing one took minutes and closing
// the window most of one. This item's accessible keeps the list, follows each item that joins or
// leaves, and otherwise behaves as GTK's.
class SubmenuItem : public SubmenuItemType, public Gtk::MenuItem {
 public:
  SubmenuItem();
};

}  // namespace lumetta
