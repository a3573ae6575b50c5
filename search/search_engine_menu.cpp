#include "search/search_engine_menu.h"

#include <gdkmm/seat.h>
#include <glibmm/main.h>
#include <gtkmm/checkmenuitem.h>
#include <gtkmm/menu.h>

#include "app/do_events.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {

namespace {

// The pointer's position in `window`; (0, 0) when there is no pointer to ask.
Gdk::Rectangle PointerIn(const Glib::RefPtr<Gdk::Window>& window) {
  int x = 0;
  int y = 0;
  const Glib::RefPtr<Gdk::Seat> seat = window->get_display()->get_default_seat();
  const Glib::RefPtr<Gdk::Device> pointer =
      seat ? seat->get_pointer() : Glib::RefPtr<Gdk::Device>();
  if (pointer) {
    Gdk::ModifierType mask;
    window->get_device_position(pointer, x, y, mask);
  }
  return Gdk::Rectangle(x, y, 1, 1);
}

}  // namespace

void PopUpSearchEngines(frmMain& form) {
  const Glib::RefPtr<Gdk::Window> window = form.Window().get_window();
  if (!window) return;

  // A menu attached to an item cannot pop up elsewhere, so the pop-up shows copies of the
  // items as they stand now (caption, check mark, state) and passes the choice on to them.
  Gtk::Menu popup;
  popup.attach_to_widget(form.Window());
  int chosen = -1;
  for (const auto& [index, item] : form.mnuMainToolSearchType) {
    auto* copy = Gtk::manage(new Gtk::CheckMenuItem(MnemonicLabel(item->Caption()), true));
    copy->set_active(item->Checked());
    copy->set_sensitive(item->Enabled());
    copy->set_visible(item->Visible());
    copy->signal_activate().connect([&chosen, i = index] { chosen = i; });
    popup.append(*copy);
  }

  const Glib::RefPtr<Glib::MainLoop> loop = Glib::MainLoop::create();
  popup.signal_hide().connect([loop] { loop->quit(); });
  popup.popup_at_rect(window, PointerIn(window), Gdk::GRAVITY_NORTH_WEST, Gdk::GRAVITY_NORTH_WEST,
                      nullptr);
  // Without the pointer grab (another program holds it) the menu does not show.
  if (!popup.get_visible()) return;
  const std::weak_ptr<void> alive = form.Alive();
  {
    YieldScope yield;
    loop->run();
  }
  if (chosen < 0 || alive.expired()) return;
  form.mnuMainToolSearchType(chosen).PerformClick();
}

}  // namespace lumetta
