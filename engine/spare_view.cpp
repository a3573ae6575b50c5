#include "engine/spare_view.h"

#include "engine/web_view.h"

namespace lumetta {

FreshView RelatedView(WebKitWebView* related) {
  FreshView fresh;
  fresh.content_manager = webkit_user_content_manager_new();
  fresh.view = NewWebView(nullptr, related, fresh.content_manager);
  return fresh;
}

SpareView::SpareView(WebKitWebContext* context, bool keep_spare)
    : context_(context), keep_spare_(keep_spare) {
  // The first one at once: its web process starts in its sandbox while the first window is
  // being built.
  if (keep_spare_) Prepare(this);
}

SpareView::~SpareView() {
  StopWatching();
  if (prepare_source_ != 0) g_source_remove(prepare_source_);
  if (spare_.view != nullptr) {
    gtk_widget_destroy(GTK_WIDGET(spare_.view));
    g_object_unref(spare_.view);
    g_object_unref(spare_.content_manager);
  }
}

FreshView SpareView::Take() {
  FreshView taken = spare_.view != nullptr ? spare_ : Make();
  spare_ = {};
  if (keep_spare_) Watch(taken.view);
  return taken;
}

FreshView SpareView::Make() const {
  FreshView fresh;
  fresh.content_manager = webkit_user_content_manager_new();
  fresh.view = NewWebView(context_, nullptr, fresh.content_manager);
  return fresh;
}

void SpareView::Watch(WebKitWebView* taken) {
  StopWatching();
  if (prepare_source_ != 0) return;
  watched_ = taken;
  g_object_add_weak_pointer(G_OBJECT(watched_), reinterpret_cast<gpointer*>(&watched_));
  watch_handler_ =
      g_signal_connect(watched_, "load-changed", G_CALLBACK(&SpareView::OnLoadChanged), this);
}

void SpareView::StopWatching() {
  if (watched_ == nullptr) return;
  g_signal_handler_disconnect(watched_, watch_handler_);
  g_object_remove_weak_pointer(G_OBJECT(watched_), reinterpret_cast<gpointer*>(&watched_));
  watched_ = nullptr;
}

void SpareView::OnLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer data) {
  auto* self = static_cast<SpareView*>(data);
  if (event != WEBKIT_LOAD_FINISHED) return;
  self->StopWatching();
  // Once the page has loaded and nothing else waits: the spare never holds up a page.
  self->prepare_source_ = g_idle_add_full(G_PRIORITY_LOW, &SpareView::Prepare, self, nullptr);
}

gboolean SpareView::Prepare(gpointer data) {
  auto* self = static_cast<SpareView*>(data);
  self->prepare_source_ = 0;
  if (self->spare_.view == nullptr) {
    self->spare_ = self->Make();
    // A script starts the view's web process without a page, so no history entry comes of it.
    webkit_web_view_evaluate_javascript(self->spare_.view, "0", -1, nullptr, nullptr, nullptr,
                                        nullptr, nullptr);
  }
  return G_SOURCE_REMOVE;
}

}  // namespace lumetta
