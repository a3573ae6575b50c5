#pragma once

#include <gdk/gdk.h>

#include <string>
#include <vector>

namespace Gtk {
class Window;
}  // namespace Gtk

namespace lumetta {

// One key of a keystroke sequence and the modifiers held down for it.
struct Keystroke {
  guint keyval = 0;
  GdkModifierType state = GdkModifierType(0);
  bool operator==(const Keystroke&) const = default;
};

// The keys of a sequence in the keystroke notation: "^" holds Ctrl, "+" Shift and "%" Alt down
// for the key that follows, any other character is that key ("^f" is Ctrl+F). Empty when the
// text is not such a sequence (a modifier with no key after it, text that is not UTF-8).
std::vector<Keystroke> ParseKeystrokes(const std::string& keys);

// Places keystrokes into the keyboard input of the active window.
class Keystrokes {
 public:
  Keystrokes() = default;
  Keystrokes(const Keystrokes&) = delete;
  Keystrokes& operator=(const Keystrokes&) = delete;
  virtual ~Keystrokes() = default;

  // Queues `keys` for the active window, or for `fallback` when none of the program's windows
  // is active, and returns at once without waiting for them to be handled. False when the
  // keys cannot be read or there is no window to take them.
  virtual bool SendKeys(const std::string& keys, Gtk::Window& fallback) = 0;
};

// Key presses and releases made as the keyboard makes them (hardware keycode, keyboard device,
// modifier keys pressed first), so that accelerators and pages take them for typed keys.
class GdkKeystrokes : public Keystrokes {
 public:
  bool SendKeys(const std::string& keys, Gtk::Window& fallback) override;
};

}  // namespace lumetta
