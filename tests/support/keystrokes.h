#pragma once

#include <gdk/gdk.h>

#include <string>
#include <vector>

namespace Gtk {
class Window;
}  // namespace Gtk

namespace lumetta::test {

// One key of a keystroke sequence and the modifiers held down for it.
struct Keystroke {
  guint keyval = 0;
  GdkModifierType state = GdkModifierType(0);
  bool operator==(const Keystroke&) const = default;
};

// The keys of a sequence in the keystroke notation: "^" holds Ctrl, "+" Shift and "%" Alt down
// for the key that follows, any other character is that key ("^f" is Ctrl+F). A name in braces
// is a named key: {LEFT}, {RIGHT}, {UP}, {ESC}, {ENTER}, {TAB}, {F5}, and the keypad's {ADD} and
// {SUBTRACT}; one character in braces is that character itself ("^{+}" is Ctrl and the plus
// key). Empty when the text is not such a sequence (a modifier with no key after it, an unknown
// or unclosed name, text that is not UTF-8).
std::vector<Keystroke> ParseKeystrokes(const std::string& keys);

// Queues `keys` for the active window, or for `fallback` when none of the program's windows is
// active, and returns at once without waiting for them to be handled. The presses and releases
// are made as the keyboard makes them (hardware keycode, keyboard device, modifier keys pressed
// first), so that accelerators and pages take them for typed keys. False when the keys cannot
// be read or there is no window to take them.
bool SendKeys(const std::string& keys, Gtk::Window& fallback);

}  // namespace lumetta::test
