#include "engine/web_process/web_process_watch.h"

#include <glibmm/main.h>

#include <utility>

#include "engine/dialog_parent.h"
#include "engine/web_process/hang_dialog.h"

namespace lumetta {

WebProcessWatch::WebProcessWatch(WebKitWebView* view, std::function<void(const std::string&)> ended)
    : view_(view), ended_(std::move(ended)) {
  g_signal_connect(view_, "notify::is-web-process-responsive",
                   G_CALLBACK(&WebProcessWatch::OnResponsive), this);
  g_signal_connect(view_, "web-process-terminated", G_CALLBACK(&WebProcessWatch::OnTerminated),
                   this);
}

WebProcessWatch::~WebProcessWatch() {
  g_signal_handlers_disconnect_by_data(view_, this);
  ask_.disconnect();
  answer_.disconnect();
}

void WebProcessWatch::OnResponsive(GObject*, GParamSpec*, gpointer data) {
  auto* self = static_cast<WebProcessWatch*>(data);
  if (webkit_web_view_get_is_web_process_responsive(self->view_)) {
    self->ask_.disconnect();
    self->CloseDialog();
  } else if (!self->ask_.connected() && !self->dialog_) {
    self->ask_ = Glib::signal_timeout().connect(
        [self] {
          self->Ask();
          return false;
        },
        kAskAfterMs);
  }
}

// The question is asked whether or not the control is silent: only the user can decide it.
void WebProcessWatch::Ask() {
  const char* uri = webkit_web_view_get_uri(view_);
  dialog_ = std::make_unique<HangDialog>(WindowOf(view_), uri != nullptr ? uri : "");
  dialog_->signal_response().connect([this](int response) {
    // The dialog cannot be destroyed inside its own response signal.
    answer_.disconnect();
    answer_ = Glib::signal_idle().connect([this, response] {
      OnDialogResponse(response);
      return false;
    });
    dialog_->hide();
  });
}

void WebProcessWatch::OnDialogResponse(int response) {
  CloseDialog();
  if (response == HangDialog::kEndPage) {
    webkit_web_view_terminate_web_process(view_);
  } else if (!webkit_web_view_get_is_web_process_responsive(view_)) {
    // Waiting asks again after the same time, should the page still not answer.
    OnResponsive(nullptr, nullptr, this);
  }
}

void WebProcessWatch::CloseDialog() {
  answer_.disconnect();
  dialog_.reset();
}

void WebProcessWatch::EndQuietly() {
  ending_quietly_ = true;
  webkit_web_view_terminate_web_process(view_);
}

void WebProcessWatch::OnTerminated(WebKitWebView* view, WebKitWebProcessTerminationReason reason,
                                   gpointer data) {
  auto* self = static_cast<WebProcessWatch*>(data);
  self->ask_.disconnect();
  self->CloseDialog();
  if (reason == WEBKIT_WEB_PROCESS_TERMINATED_BY_API &&
      std::exchange(self->ending_quietly_, false)) {
    return;
  }
  const char* uri = webkit_web_view_get_uri(view);
  self->ended_(uri != nullptr ? uri : "");
}

}  // namespace lumetta
