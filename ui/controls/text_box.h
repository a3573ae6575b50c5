#pragma once

#include <gtkmm/entry.h>
#include <gtkmm/entrycompletion.h>

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

  // Raised when the box gains the focus from another control or another window of the
  // program; not when the user comes back to the program from another application.
  sigc::signal<void()> GotFocus;
  // Keys the box's input method does not take for the text it is composing. A suggestion of
  // the box's completion chosen with Enter or the mouse fills the box and raises Enter.
  sigc::signal<void(int key_code, int shift)> KeyDown;
  sigc::signal<void(int key_ascii)> KeyPress;
  // The user pressed a key or a mouse button in the box, before the box acts on it; not raised
  // for what the program does to the box.
  sigc::signal<void()> UserInput;

 private:
  void ConnectKeys();
  void FollowCompletion();
  bool RaiseUserInput();
  bool OnKeyPress(GdkEventKey* event);
  bool OnMatchSelected(const Gtk::TreeModel::iterator& row);
  bool OnFocusIn(GdkEventFocus* event);
  bool OnFocusOut(GdkEventFocus* event);
  void RaiseEnter(int shift);
  static void OnPreeditChanged(GtkEntry*, gchar* preedit, gpointer self);

  Gtk::Entry entry_;
  sigc::connection key_connection_;
  sigc::connection match_connection_;
  // Whether the input method shows text it is still composing.
  bool composing_ = false;
  // Whether the box lost the focus because its window did, keeping its place in the window.
  bool left_with_window_ = false;
};

}  // namespace lumetta
