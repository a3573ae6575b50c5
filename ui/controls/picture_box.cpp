#include "ui/controls/picture_box.h"

namespace lumetta {

PictureBox::PictureBox(std::string name, int index)
    : Control(std::move(name), "PictureBox", index) {
  layout_.add_events(Gdk::BUTTON_PRESS_MASK);
  layout_.signal_button_press_event().connect(sigc::mem_fun(*this, &PictureBox::OnButtonPress));
  layout_.signal_query_tooltip().connect(sigc::mem_fun(*this, &PictureBox::OnQueryToolTip));
  ApplyAll();
}

void PictureBox::ApplyToolTip() { layout_.set_has_tooltip(!ToolTipText().empty()); }

// The box's tip shows only where none of its children covers it: over the page, the page's own
// tips apply.
bool PictureBox::OnQueryToolTip(int x, int y, bool, const Glib::RefPtr<Gtk::Tooltip>& tooltip) {
  if (ToolTipText().empty()) return false;
  for (Gtk::Widget* child : layout_.get_children()) {
    if (!child->get_visible()) continue;
    const Gtk::Allocation area = child->get_allocation();
    if (x >= area.get_x() && y >= area.get_y() && x < area.get_x() + area.get_width() &&
        y < area.get_y() + area.get_height()) {
      return false;
    }
  }
  tooltip->set_text(ToolTipText());
  return true;
}

bool PictureBox::OnButtonPress(GdkEventButton* event) {
  if (event->type != GDK_2BUTTON_PRESS || event->button != 1) return false;
  DblClick.emit();
  return true;
}

}  // namespace lumetta
