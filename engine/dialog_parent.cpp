#include "engine/dialog_parent.h"

namespace lumetta {

Gtk::Window* WindowOf(WebKitWebView* view) {
  if (view == nullptr) return nullptr;
  GtkWidget* toplevel = gtk_widget_get_toplevel(GTK_WIDGET(view));
  if (!gtk_widget_is_toplevel(toplevel) || !GTK_IS_WINDOW(toplevel)) return nullptr;
  gtk_widget_realize(toplevel);
  return Glib::wrap(GTK_WINDOW(toplevel));
}

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
