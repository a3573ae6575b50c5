#include "engine/script_dialogs/script_dialog_window.h"

#include "engine/dialog_parent.h"
#include "platform/utf8.h"

namespace lumetta {

namespace {

std::string Text(const char* text) { return text != nullptr ? ValidUtf8(text) : ""; }

}  // namespace

ScriptDialogWindow::ScriptDialogWindow(Gtk::Window* parent, WebKitScriptDialog* dialog)
    : Gtk::Dialog("来自网页的消息", false) {
  const WebKitScriptDialogType type = webkit_script_dialog_get_dialog_type(dialog);
  set_resizable(false);
  set_border_width(12);
  message_.set_text(type == WEBKIT_SCRIPT_DIALOG_BEFORE_UNLOAD_CONFIRM
                        ? "此网页要求您确认是否离开。您输入的内容可能不会保存。"
                        : Text(webkit_script_dialog_get_message(dialog)));
  message_.set_line_wrap(true);
  message_.set_max_width_chars(60);
  message_.set_xalign(0);
  get_content_area()->set_spacing(12);
  get_content_area()->pack_start(message_, Gtk::PACK_SHRINK);
  if (type == WEBKIT_SCRIPT_DIALOG_PROMPT) {
    entry_.set_text(Text(webkit_script_dialog_prompt_get_default_text(dialog)));
    entry_.set_activates_default(true);
    get_content_area()->pack_start(entry_, Gtk::PACK_SHRINK);
  }
  switch (type) {
    case WEBKIT_SCRIPT_DIALOG_ALERT:
      add_button("确定", Gtk::RESPONSE_OK);
      break;
    case WEBKIT_SCRIPT_DIALOG_BEFORE_UNLOAD_CONFIRM:
      add_button("留在此页(_S)", Gtk::RESPONSE_CANCEL);
      add_button("离开此页(_L)", Gtk::RESPONSE_OK);
      break;
    default:
      add_button("取消", Gtk::RESPONSE_CANCEL);
      add_button("确定", Gtk::RESPONSE_OK);
      break;
  }
  set_default_response(Gtk::RESPONSE_OK);
  show_all_children();
  PresentOver(*this, parent, false);
}

void ScriptDialogWindow::Answer(WebKitScriptDialog* dialog, int response) const {
  const bool accepted = response == Gtk::RESPONSE_OK;
  switch (webkit_script_dialog_get_dialog_type(dialog)) {
    case WEBKIT_SCRIPT_DIALOG_CONFIRM:
    case WEBKIT_SCRIPT_DIALOG_BEFORE_UNLOAD_CONFIRM:
      webkit_script_dialog_confirm_set_confirmed(dialog, accepted);
      break;
    case WEBKIT_SCRIPT_DIALOG_PROMPT:
      // A prompt left unanswered gives the page null.
      if (accepted) webkit_script_dialog_prompt_set_text(dialog, entry_.get_text().c_str());
      break;
    case WEBKIT_SCRIPT_DIALOG_ALERT:
      break;
  }
  webkit_script_dialog_close(dialog);
}

}  // namespace lumetta
