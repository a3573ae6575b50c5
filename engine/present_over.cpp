#include "engine/present_over.h"

namespace lumetta {

void PresentOver(Gtk::Window& dialog, Gtk::Window* parent, bool modal) {
  if (parent != nullptr) {
    dialog.set_transient_for(*parent);
    dialog.set_position(Gtk::WIN_POS_CENTER_ON_PARENT);
  } else {
    dialog.unset_transient_for();
    dialog.set_position(Gtk::WIN_POS_CENTER);
  }
  dialog.set_modal(modal);
  dialog.present();
}

}  // namespace lumetta
