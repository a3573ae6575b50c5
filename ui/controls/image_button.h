#pragma once

#include <gtkmm/eventbox.h>
#include <gtkmm/image.h>

#include "ui/controls/control.h"

namespace lumetta {

// A picture that acts on a click: pressed and released with the left button over it. A
// disabled button ignores clicks. The pointer turns into a hand over it.
class ImageButton : public Control {
 public:
  // `icon_name` from the icon theme, drawn at `pixel_size`.
  ImageButton(std::string name, const std::string& icon_name, int pixel_size, int index);

  Gtk::Widget* Widget() override { return &box_; }

  sigc::signal<void(int index)> Click;

  // Clicks the button as the mouse would; nothing happens while it is disabled.
  void PerformClick();

 private:
  bool OnRelease(GdkEventButton* event);

  Gtk::EventBox box_;
  Gtk::Image image_;
  bool pressed_ = false;
};

}  // namespace lumetta
