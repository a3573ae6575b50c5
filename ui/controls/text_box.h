#pragma once

#include <gtkmm/entry.h>

#include "ui/controls/control.h"

namespace lumetta {

// Shift-state bits of a key event.
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

inline constexpr int kKeyReturn = 13;

// The key code of a key: letters as upper-case ASCII, digits as themselves, Enter 13 and so on;
// 0 for keys without one.
int KeyCodeOf(guint keyval);

// A single-line edit box.
class TextBox : public Control {
 public:
  explicit TextBox(std::string name, int index = kNoIndex);

  Gtk::Widget* Widget() override { return &entry_; }
  Gtk::Entry& Entry() { return entry_; }

  std::string Text() const { return entry_.get_text(); }
  void SetText(const std::string& text) { entry_.set_text(text); }
  // Selection in characters.
  void Select(int start, int length) { entry_.select_region(start, start + length); }
  void SetFocus() { entry_.grab_focus(); }
  bool HasFocus() const { return entry_.has_focus(); }

  sigc::signal<void()> GotFocus;
  sigc::signal<void(int key_code, int shift)> KeyDown;
  sigc::signal<void(int key_ascii)> KeyPress;

 private:
  bool OnKeyPress(GdkEventKey* event);

  Gtk::Entry entry_;
};

}  // namespace lumetta
