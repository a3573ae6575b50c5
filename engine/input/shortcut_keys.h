#pragma once

#include <gdk/gdk.h>

#include <optional>

#include "app/browser_control.h"

namespace lumetta {

// A key of the control's own, pressed while the page has the keyboard focus.
struct ShortcutKey {
  ControlShortcut shortcut;
  // Whether the page sees the key first and the control acts only when the page leaves it alone
  // (does not prevent its default): pages close their own pop-ups with Esc, and web editors and
  // maps print and zoom their own way. Going back and forward and a new window are the
  // browser's alone, so that no page can hold the user in it; the engine takes Alt+Left and
  // Alt+Right for the page's caret anyway.
  bool page_first;
};

// The control's command for a key press of `keyval` with `state`: Alt+Left and Alt+Right go
// back and forward, Esc stops the load, Ctrl+P prints, Ctrl+N opens a new window, and Ctrl with
// plus (or =), minus and 0, on the main keys or the keypad, zoom the page. Nothing for any other
// key.
std::optional<ShortcutKey> ShortcutForKey(guint keyval, GdkModifierType state);

}  // namespace lumetta
