#pragma once

#include <gtkmm/layout.h>
#include <gtkmm/tooltip.h>

#include "ui/controls/control.h"

namespace lumetta {

// A container that places its children at their twips geometry and clips them to itself.
class PictureBox : public Control {
 public:
  explicit PictureBox(std::string name, int index = kNoIndex);

  Gtk::Widget* Widget() override { return &layout_; }
  Gtk::Layout& Layout() { return layout_; }
  void Add(Control& child) { child.PlaceIn(layout_); }

  sigc::signal<void()> DblClick;

 protected:
  void ApplyToolTip() override;

 private:
  bool OnButtonPress(GdkEventButton* event);
  bool OnQueryToolTip(int x, int y, bool keyboard, const Glib::RefPtr<Gtk::Tooltip>& tooltip);

  Gtk::Layout layout_;
};

}  // namespace lumetta
