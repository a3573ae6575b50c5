#pragma once

#include <gtkmm/window.h>
#include <webkit2/webkit2.h>

namespace lumetta {

// The window `view` sits in, or null when it sits in none. A window not shown yet is realized,
// so that a dialog can stand above it.
Gtk::Window* WindowOf(WebKitWebView* view);

// Shows one of the control's dialogs above `parent`, the window of its page (none when the page
// is in no window), and gives it the focus. A modal one takes the input of every window while
// it is up.
void PresentOver(Gtk::Window& dialog, Gtk::Window* parent, bool modal);

}  // namespace lumetta
