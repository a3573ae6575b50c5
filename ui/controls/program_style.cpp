#include "ui/controls/program_style.h"

#include <gtkmm/cssprovider.h>
#include <gtkmm/stylecontext.h>

#include <set>
#include <string>

namespace lumetta {

void AddProgramStyle(const char* css) {
  static std::set<std::string> added;
  auto screen = Gdk::Screen::get_default();
  if (!screen || added.count(css) != 0) return;
  auto provider = Gtk::CssProvider::create();
  provider->load_from_data(css);
  Gtk::StyleContext::add_provider_for_screen(screen, provider,
                                             GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  added.insert(css);
}

}  // namespace lumetta
