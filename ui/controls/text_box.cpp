#include "ui/controls/text_box.h"

#include <gdk/gdkkeysyms.h>
#include <gtkmm/window.h>

#include "ui/controls/form.h"
#include "ui/controls/program_style.h"

namespace lumetta {

namespace {

// The boxes are laid out at classic heights (19 pixels); the theme's padding would not fit.
constexpr char kTextBoxCss[] =
    "entry.lumetta-textbox { min-height: 0; padding-top: 0; padding-bottom: 0; }";

int ShiftOf(guint state) {
  return ((state & GDK_SHIFT_MASK) ? kShiftMask : 0) |
         ((state & GDK_CONTROL_MASK) ? kCtrlMask : 0) | ((state & GDK_MOD1_MASK) ? kAltMask : 0);
}

}  // namespace

int KeyCodeOf(guint keyval) {
  if (keyval >= GDK_KEY_a && keyval <= GDK_KEY_z) return static_cast<int>(keyval - GDK_KEY_a) + 'A';
  if (keyval >= GDK_KEY_A && keyval <= GDK_KEY_Z) return static_cast<int>(keyval - GDK_KEY_A) + 'A';
  if (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9) return static_cast<int>(keyval - GDK_KEY_0) + '0';
  if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F12)
    return static_cast<int>(keyval - GDK_KEY_F1) + 112;
  switch (keyval) {
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter:
    case GDK_KEY_ISO_Enter:
      return kKeyReturn;
    case GDK_KEY_BackSpace:
      return 8;
    case GDK_KEY_Tab:
      return 9;
    case GDK_KEY_Escape:
      return 27;
    case GDK_KEY_space:
      return 32;
    case GDK_KEY_Left:
      return 37;
    case GDK_KEY_Up:
      return 38;
    case GDK_KEY_Right:
      return 39;
    case GDK_KEY_Down:
      return 40;
    case GDK_KEY_Delete:
      return 46;
    default:
      return 0;
  }
}

TextBox::TextBox(std::string name, int index) : Control(std::move(name), "TextBox", index) {
  AddProgramStyle(kTextBoxCss);
  entry_.get_style_context()->add_class("lumetta-textbox");
  entry_.set_width_chars(1);
  entry_.signal_focus_in_event().connect(sigc::mem_fun(*this, &TextBox::OnFocusIn));
  entry_.signal_focus_out_event().connect(sigc::mem_fun(*this, &TextBox::OnFocusOut));
  g_signal_connect(entry_.gobj(), "preedit-changed", G_CALLBACK(&TextBox::OnPreeditChanged), this);
  entry_.property_completion().signal_changed().connect([this] { FollowCompletion(); });
  // Before any completion set later, which may take the key for itself.
  entry_.signal_key_press_event().connect([this](GdkEventKey*) { return RaiseUserInput(); }, false);
  entry_.signal_button_press_event().connect([this](GdkEventButton*) { return RaiseUserInput(); },
                                             false);
  ConnectKeys();
  ApplyAll();
}

// Handlers of one signal run in the order they were connected: ours go after those of a
// completion set later, so that the completion's list takes its keys first.
void TextBox::ConnectKeys() {
  key_connection_.disconnect();
  key_connection_ =
      entry_.signal_key_press_event().connect(sigc::mem_fun(*this, &TextBox::OnKeyPress), false);
}

bool TextBox::RaiseUserInput() {
  UserInput.emit();
  return false;
}

void TextBox::FollowCompletion() {
  ConnectKeys();
  match_connection_.disconnect();
  if (Glib::RefPtr<Gtk::EntryCompletion> completion = entry_.get_completion()) {
    match_connection_ = completion->signal_match_selected().connect(
        sigc::mem_fun(*this, &TextBox::OnMatchSelected), false);
  }
}

bool TextBox::OnKeyPress(GdkEventKey* event) {
  // While the input method composes, Enter and the other keys end or edit the composition.
  if (composing_ && gtk_entry_im_context_filter_keypress(entry_.gobj(), event)) return true;
  const int key_code = KeyCodeOf(event->keyval);
  if (key_code == kKeyReturn) {
    RaiseEnter(ShiftOf(event->state));
    return false;
  }
  if (key_code != 0) KeyDown.emit(key_code, ShiftOf(event->state));
  const guint32 character = gdk_keyval_to_unicode(event->keyval);
  if (character != 0 && (event->state & (GDK_CONTROL_MASK | GDK_MOD1_MASK)) == 0) {
    KeyPress.emit(static_cast<int>(character));
  }
  return false;
}

bool TextBox::OnMatchSelected(const Gtk::TreeModel::iterator& row) {
  Glib::RefPtr<Gtk::EntryCompletion> completion = entry_.get_completion();
  if (!completion || !row) return false;
  Glib::ustring text;
  row->get_value(completion->get_text_column(), text);
  entry_.set_text(text);
  entry_.set_position(-1);
  GdkModifierType state{};
  gtk_get_current_event_state(&state);
  RaiseEnter(ShiftOf(state));
  return true;
}

void TextBox::OnPreeditChanged(GtkEntry*, gchar* preedit, gpointer self) {
  static_cast<TextBox*>(self)->composing_ = preedit != nullptr && *preedit != '\0';
}

void TextBox::RaiseEnter(int shift) {
  KeyDown.emit(kKeyReturn, shift);
  KeyPress.emit(kKeyReturn);
}

bool TextBox::OnFocusIn(GdkEventFocus*) {
  // Coming back from another application puts the focus back where it was; the program's
  // active window has not changed meanwhile.
  const auto* window = dynamic_cast<const Gtk::Window*>(entry_.get_toplevel());
  const bool returning = left_with_window_ && window != nullptr && Form::IsActiveWindow(*window);
  left_with_window_ = false;
  if (!returning) GotFocus.emit();
  return false;
}

bool TextBox::OnFocusOut(GdkEventFocus*) {
  const auto* window = dynamic_cast<const Gtk::Window*>(entry_.get_toplevel());
  left_with_window_ = window != nullptr && window->get_focus() == &entry_;
  return false;
}

}  // namespace lumetta
