#include "engine/full_screen/full_screen.h"

#include "engine/dialog_parent.h"
#include "engine/full_screen/full_screen_hint.h"

namespace lumetta {

FullScreen::FullScreen(WebKitWebView* view, BrowserControl& control)
    : view_(view), control_(control) {
  g_signal_connect(view_, "enter-fullscreen", G_CALLBACK(&FullScreen::OnEnter), this);
  g_signal_connect(view_, "leave-fullscreen", G_CALLBACK(&FullScreen::OnLeave), this);
  g_signal_connect(view_, "web-process-terminated", G_CALLBACK(&FullScreen::OnTerminated), this);
}

FullScreen::~FullScreen() {
  g_signal_handlers_disconnect_by_data(view_, this);
  if (entered_) webkit_web_view_terminate_web_process(view_);
}

// The window hides its bars before the engine makes it full screen, so that the page's first
// full-screen layout already has the whole screen.
gboolean FullScreen::OnEnter(WebKitWebView* view, gpointer data) {
  auto* self = static_cast<FullScreen*>(data);
  self->active_ = true;
  self->entered_ = true;
  self->control_.FullScreenChanged.emit(true);
  if (!self->hint_) self->hint_ = std::make_unique<FullScreenHint>();
  self->hint_->ShowOn(WindowOf(view));
  return FALSE;
}

gboolean FullScreen::OnLeave(WebKitWebView*, gpointer data) {
  static_cast<FullScreen*>(data)->Leave();
  return FALSE;
}

void FullScreen::Leave() {
  if (!active_) return;
  active_ = false;
  if (hint_) hint_->Close();
  control_.FullScreenChanged.emit(false);
}

// The engine forgets a page that ended in full screen and leaves its window full screen.
void FullScreen::OnTerminated(WebKitWebView* view, WebKitWebProcessTerminationReason,
                              gpointer data) {
  auto* self = static_cast<FullScreen*>(data);
  if (!self->active_) return;
  if (Gtk::Window* window = WindowOf(view)) window->unfullscreen();
  self->Leave();
}

}  // namespace lumetta
