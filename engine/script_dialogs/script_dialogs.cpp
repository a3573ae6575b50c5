#include "engine/script_dialogs/script_dialogs.h"

#include <glibmm/main.h>
#include <gtkmm/dialog.h>

#include "engine/dialog_parent.h"
#include "engine/script_dialogs/script_dialog_window.h"
#include "engine/web_process/web_process_watch.h"

namespace lumetta {

ScriptDialogs::ScriptDialogs(WebKitWebView* view, WebProcessWatch& process)
    : view_(view), process_(process) {
  g_signal_connect(view_, "script-dialog", G_CALLBACK(&ScriptDialogs::OnScriptDialog), this);
}

ScriptDialogs::~ScriptDialogs() {
  g_signal_handlers_disconnect_by_data(view_, this);
  grace_.disconnect();
  Close(Gtk::RESPONSE_CANCEL);
}

gboolean ScriptDialogs::OnScriptDialog(WebKitWebView*, WebKitScriptDialog* dialog, gpointer data) {
  auto* self = static_cast<ScriptDialogs*>(data);
  // Left unanswered, a question counts as cancelled; leaving the page is what the user asked.
  if (self->navigating_past_ || self->dialog_ != nullptr) {
    if (webkit_script_dialog_get_dialog_type(dialog) ==
        WEBKIT_SCRIPT_DIALOG_BEFORE_UNLOAD_CONFIRM) {
      webkit_script_dialog_confirm_set_confirmed(dialog, self->navigating_past_);
    }
    return TRUE;
  }
  self->dialog_ = webkit_script_dialog_ref(dialog);
  self->window_ = std::make_unique<ScriptDialogWindow>(WindowOf(self->view_), dialog);
  self->window_->signal_response().connect([self](int response) {
    // The window cannot be destroyed inside its own response signal.
    self->answer_.disconnect();
    self->answer_ = Glib::signal_idle().connect([self, response] {
      self->Close(response);
      return false;
    });
    self->window_->hide();
  });
  return TRUE;
}

void ScriptDialogs::Close(int response) {
  answer_.disconnect();
  if (dialog_ == nullptr) return;
  window_->Answer(dialog_, response);
  webkit_script_dialog_unref(dialog_);
  dialog_ = nullptr;
  window_.reset();
}

void ScriptDialogs::GoAhead(const std::function<void()>& navigate) {
  if (dialog_ == nullptr && !navigating_past_) {
    navigate();
    return;
  }
  navigating_past_ = true;
  Close(Gtk::RESPONSE_CANCEL);
  navigate();
  grace_.disconnect();
  grace_ = Glib::signal_timeout().connect(
      [this, navigate] {
        // The page went on asking instead of letting the navigation through.
        process_.EndQuietly();
        navigating_past_ = false;
        navigate();
        return false;
      },
      kGraceMs);
}

void ScriptDialogs::LoadStarted() {
  navigating_past_ = false;
  grace_.disconnect();
}

}  // namespace lumetta
