#pragma once

#include <glibmm/extraclassinit.h>
#include <gtkmm/menuitem.h>
#include <pangomm/layout.h>

#include <string>

namespace lumetta {

// Registers the item's own GType, whose label and accessible are the item's text.
class TextMenuItemType : public Glib::ExtraClassInit {
 protected:
  TextMenuItemType();
};

struct TextMenuItemHooks;

// A menu item showing one line of plain text with no label widget inside it. It measures and
// draws its text through one Pango layout that every such item of a menu shares. A label per
// item costs a layout, a style node and a size request of its own at the menu's first layout,
// which makes a menu of thousands of entries take seconds to open.
//
// The text is the item's label for GTK too: `get_label()` gives it and `set_label()` changes
// it, without making a label widget; assistive technologies read it as the item's name.
class TextMenuItem : public TextMenuItemType, public Gtk::MenuItem {
 public:
  TextMenuItem();

  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);

 protected:
  void get_preferred_width_vfunc(int& minimum, int& natural) const override;
  void get_preferred_height_vfunc(int& minimum, int& natural) const override;
  void get_preferred_height_for_width_vfunc(int width, int& minimum, int& natural) const override;
  bool on_draw(const Cairo::RefPtr<Cairo::Context>& cr) override;
  void on_style_updated() override;
  void on_toggle_size_allocate(int allocation) override;

 private:
  friend struct TextMenuItemHooks;

  // The menu's shared layout holding this item's text in this item's font; null outside a menu.
  Glib::RefPtr<Pango::Layout> PreparedLayout() const;
  // Measures the text once per text and style.
  void Measure() const;
  // The room between the item's edges and its text: margin, border and padding.
  Gtk::Border Inset() const;
  void NameAccessible(AtkObject* accessible);

  std::string text_;
  int toggle_size_ = 0;
  bool accessible_named_ = false;
  mutable bool measured_ = false;
  mutable int text_width_ = 0;
  mutable int text_height_ = 0;
};

}  // namespace lumetta
