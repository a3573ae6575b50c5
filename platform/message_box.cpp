#include "platform/message_box.h"

#include <gtkmm/box.h>
#include <gtkmm/image.h>
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

// GTK draws no icon for a message type of its own any more: the box shows it, as a desktop
// program's message box does.
const char* IconOf(Gtk::MessageType type) {
  switch (type) {
    case Gtk::MESSAGE_ERROR:
      return "dialog-error";
    case Gtk::MESSAGE_QUESTION:
      return "dialog-question";
    case Gtk::MESSAGE_WARNING:
      return "dialog-warning";
    case Gtk::MESSAGE_INFO:
      return "dialog-information";
    default:
      return nullptr;
  }
}

void ShowIcon(Gtk::MessageDialog& dialog, Gtk::MessageType type) {
  const char* icon = IconOf(type);
  auto* row = dynamic_cast<Gtk::Box*>(dialog.get_message_area()->get_parent());
  if (icon == nullptr || row == nullptr) return;
  auto* image = Gtk::make_managed<Gtk::Image>();
  image->set_from_icon_name(icon, Gtk::ICON_SIZE_DIALOG);
  image->set_valign(Gtk::ALIGN_START);
  row->pack_start(*image, false, false);
  row->reorder_child(*image, 0);
  image->show();
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
  Gtk::MessageDialog dialog(prompt, false, TypeOf(style), Gtk::BUTTONS_NONE, true);
  // The program's own words, whatever language the desktop's GTK speaks.
  if (IsYesNo(style)) {
    dialog.add_button("是(_Y)", Gtk::RESPONSE_YES);
    dialog.add_button("否(_N)", Gtk::RESPONSE_NO);
    dialog.set_default_response(Gtk::RESPONSE_YES);
  } else {
    dialog.add_button("确定", Gtk::RESPONSE_OK);
    dialog.set_default_response(Gtk::RESPONSE_OK);
  }
  ShowIcon(dialog, TypeOf(style));
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
