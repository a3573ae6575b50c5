#pragma once

#include <glib.h>
#include <gtkmm/checkmenuitem.h>
#include <gtkmm/menu.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/wait.h"
#include "ui/controls/image_button.h"
#include "ui/main_window/frm_main.h"

namespace lumetta::test {

// The pop-up menu attached to `form`, while it is shown.
inline Gtk::Menu* ShownPopUp(frmMain& form) {
  for (Gtk::Window* window : Gtk::Window::list_toplevels()) {
    if (!window->get_mapped()) continue;
    auto* menu = dynamic_cast<Gtk::Menu*>(window->get_child());
    if (menu != nullptr && menu->get_attach_widget() == &form.Window()) return menu;
  }
  return nullptr;
}

// Watches from the main loop for the window's pop-up menu; once it shows, notes what it shows
// and then acts on it, as the user would.
class PopUpProbe {
 public:
  PopUpProbe(frmMain& form, std::function<void(Gtk::Menu&)> act)
      : form_(form), act_(std::move(act)) {
    source_ = g_timeout_add(5, &PopUpProbe::Poll, this);
  }
  ~PopUpProbe() {
    if (source_ != 0) g_source_remove(source_);
  }

  bool seen = false;
  std::vector<std::string> labels;
  std::vector<bool> checks;
  int x = -1;
  int y = -1;

 private:
  static gboolean Poll(gpointer data) {
    auto* self = static_cast<PopUpProbe*>(data);
    Gtk::Menu* menu = ShownPopUp(self->form_);
    if (menu == nullptr) return G_SOURCE_CONTINUE;
    self->source_ = 0;
    self->seen = true;
    for (Gtk::Widget* child : menu->get_children()) {
      auto* item = dynamic_cast<Gtk::CheckMenuItem*>(child);
      if (item == nullptr || !item->get_visible()) continue;
      self->labels.push_back(item->get_label());
      self->checks.push_back(item->get_active());
    }
    menu->get_toplevel()->get_window()->get_origin(self->x, self->y);
    self->act_(*menu);
    return G_SOURCE_REMOVE;
  }

  frmMain& form_;
  std::function<void(Gtk::Menu&)> act_;
  guint source_ = 0;
};

// Presses and releases the left mouse button over `button` through GTK's event dispatch, so
// that its handlers run with the click as the current event, as for a real click.
inline void ClickWithMouse(ImageButton& button) {
  // A window just shown may not be laid out yet; a click outside the button is no click.
  WaitUntil([&button] { return button.Widget()->get_allocated_width() > 2; });
  GdkWindow* window = button.Widget()->get_window()->gobj();
  GdkDevice* pointer =
      gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_window_get_display(window)));
  for (const GdkEventType type : {GDK_BUTTON_PRESS, GDK_BUTTON_RELEASE}) {
    GdkEvent* event = gdk_event_new(type);
    event->button.window = GDK_WINDOW(g_object_ref(window));
    event->button.button = 1;
    event->button.x = 2;
    event->button.y = 2;
    gdk_event_set_device(event, pointer);
    gtk_main_do_event(event);
    gdk_event_free(event);
  }
}

inline void Choose(Gtk::Menu& menu, int position) {
  Gtk::Widget* item = menu.get_children().at(position);
  gtk_menu_shell_activate_item(GTK_MENU_SHELL(menu.gobj()), item->gobj(), TRUE);
}

inline void Dismiss(Gtk::Menu& menu) { gtk_menu_shell_cancel(GTK_MENU_SHELL(menu.gobj())); }

}  // namespace lumetta::test
