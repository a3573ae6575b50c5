#pragma once

#include <gtkmm/window.h>

namespace lumetta {

// Shows one of the control's dialogs above `parent`, the window of its page (none when the page
// is in no window), and gives it the focus. A modal one takes the input of every window while
// it is up.
void PresentOver(Gtk::Window& dialog, Gtk::Window* parent, bool modal);

}  // namespace lumetta
