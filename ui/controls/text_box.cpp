#include "ui/controls/text_box.h"

#include <gdk/gdkkeysyms.h>

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
  entry_.signal_focus_in_event().connect([this](GdkEventFocus*) {
    GotFocus.emit();
    return false;
  });
  entry_.signal_key_press_event().connect(sigc::mem_fun(*this, &TextBox::OnKeyPress), false);
  ApplyAll();
}

bool TextBox::OnKeyPress(GdkEventKey* event) {
  const int key_code = KeyCodeOf(event->keyval);
  if (key_code != 0) KeyDown.emit(key_code, ShiftOf(event->state));
  const guint32 character = gdk_keyval_to_unicode(event->keyval);
  if (key_code == kKeyReturn) {
    KeyPress.emit(kKeyReturn);
  } else if (character != 0 && (event->state & (GDK_CONTROL_MASK | GDK_MOD1_MASK)) == 0) {
    KeyPress.emit(static_cast<int>(character));
  }
  return false;
}

}  // namespace lumetta
