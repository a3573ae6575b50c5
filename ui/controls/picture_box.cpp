#include "ui/controls/picture_box.h"

namespace lumetta {

PictureBox::PictureBox(std::string name, int index)
    : Control(std::move(name), "PictureBox", index) {
  layout_.add_events(Gdk::BUTTON_PRESS_MASK);
  layout_.signal_button_press_event().connect(sigc::mem_fun(*this, &PictureBox::OnButtonPress));
  ApplyAll();
}

bool PictureBox::OnButtonPress(GdkEventButton* event) {
  if (event->type != GDK_2BUTTON_PRESS || event->button != 1) return false;
  DblClick.emit();
  return true;
}

}  // namespace lumetta
