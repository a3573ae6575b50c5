#include "platform/message_box.h"

#include <gtkmm/messagedialog.h>

namespace lumetta {

namespace {

constexpr int kButtonsMask = 0x0F;
constexpr int kIconMask = 0xF0;

Gtk::MessageType TypeOf(int style) {
  switch (style & kIconMask) {
    case kMbIconCritical:
      return Gtk::MESSAGE_ERROR;
    case kMbIconQuestion:
      return Gtk::MESSAGE_QUESTION;
    case kMbIconExclamation:
      return Gtk::MESSAGE_WARNING;
    case kMbIconInformation:
      return Gtk::MESSAGE_INFO;
    default:
      return Gtk::MESSAGE_OTHER;
  }
}

bool IsYesNo(int style) { return (style & kButtonsMask) == kMbYesNo; }

// The window the user is working in; the dialog stays above it.
Gtk::Window* ActiveWindow() {
  for (Gtk::Window* window : Gtk::Window::list_toplevels()) {
    if (window->get_visible() && window->is_active()) return window;
  }
  return nullptr;
}

int AnswerOf(int response, int style) {
  switch (response) {
    case Gtk::RESPONSE_YES:
      return kIdYes;
    case Gtk::RESPONSE_NO:
      return kIdNo;
    case Gtk::RESPONSE_OK:
      return kIdOk;
    default:
      // Closed without a button (Escape, the close box): a Yes/No box has no way out but No.
      return IsYesNo(style) ? kIdNo : kIdOk;
  }
}

}  // namespace

GtkMessageBox::GtkMessageBox(NestedLoopGuard nested_loop_guard)
    : nested_loop_guard_(std::move(nested_loop_guard)) {}

int GtkMessageBox::Show(const std::string& prompt, int style, const std::string& title) {
  Gtk::MessageDialog dialog(prompt, false, TypeOf(style),
                            IsYesNo(style) ? Gtk::BUTTONS_YES_NO : Gtk::BUTTONS_OK, true);
  dialog.set_title(title.empty() ? kDefaultMessageBoxTitle : title);
  if (Gtk::Window* parent = ActiveWindow()) {
    dialog.set_transient_for(*parent);
    dialog.set_position(Gtk::WIN_POS_CENTER_ON_PARENT);
  } else {
    dialog.set_position(Gtk::WIN_POS_CENTER);
  }
  int response = Gtk::RESPONSE_NONE;
  {
    const std::shared_ptr<void> guard = nested_loop_guard_ ? nested_loop_guard_() : nullptr;
    response = dialog.run();
  }
  return AnswerOf(response, style);
}

}  // namespace lumetta
