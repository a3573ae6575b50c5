#include "ui/controls/image_button.h"

#include <gdkmm/cursor.h>

namespace lumetta {

ImageButton::ImageButton(std::string name, const std::string& icon_name, int pixel_size, int index)
    : Control(std::move(name), "Image", index) {
  image_.set_from_icon_name(icon_name, Gtk::ICON_SIZE_MENU);
  image_.set_pixel_size(pixel_size);
  box_.add(image_);
  box_.add_events(Gdk::BUTTON_PRESS_MASK | Gdk::BUTTON_RELEASE_MASK);
  box_.signal_button_press_event().connect([this](GdkEventButton* event) {
    if (event->button != 1 || event->type != GDK_BUTTON_PRESS) return false;
    pressed_ = true;
    return true;
  });
  box_.signal_button_release_event().connect(sigc::mem_fun(*this, &ImageButton::OnRelease));
  box_.signal_realize().connect([this] {
    box_.get_window()->set_cursor(Gdk::Cursor::create(box_.get_display(), "pointer"));
  });
  ApplyAll();
}

bool ImageButton::OnRelease(GdkEventButton* event) {
  if (event->button != 1 || !pressed_) return false;
  pressed_ = false;
  const auto allocation = box_.get_allocation();
  const bool inside = event->x >= 0 && event->y >= 0 && event->x < allocation.get_width() &&
                      event->y < allocation.get_height();
  if (inside) PerformClick();
  return true;
}

void ImageButton::PerformClick() {
  if (!Enabled()) return;
  Click.emit(Index());
}

}  // namespace lumetta
