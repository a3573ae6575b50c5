#include "engine/offline_filter.h"

#include <string>

#include "app/do_events.h"

namespace lumetta {

namespace {

// Blocks http, https, ws and wss from every frame. The rule language has no alternation, so one
// rule per scheme pair.
constexpr char kRules[] = R"([{"trigger":{"url-filter":"^https?://"},"action":{"type":"block"}},)"
                          R"({"trigger":{"url-filter":"^wss?://"},"action":{"type":"block"}}])";

constexpr guint kCompileTimeoutMs = 5000;

}  // namespace

OfflineFilter::~OfflineFilter() {
  if (filter_ != nullptr) webkit_user_content_filter_unref(filter_);
  if (store_ != nullptr) g_object_unref(store_);
}

WebKitUserContentFilter* OfflineFilter::Get() {
  if (filter_ != nullptr || failed_) return filter_;
  if (store_ == nullptr) {
    const std::string dir = std::string(g_get_user_cache_dir()) + "/lumetta/content-filters";
    store_ = webkit_user_content_filter_store_new(dir.c_str());
    GBytes* rules = g_bytes_new_static(kRules, sizeof kRules - 1);
    webkit_user_content_filter_store_save(store_, "offline", rules, nullptr,
                                          &OfflineFilter::OnSaved, this);
    g_bytes_unref(rules);
  }
  // Compilation takes a few milliseconds; the caller needs the filter before it goes on.
  YieldScope scope;
  waiting_ = g_main_loop_new(nullptr, FALSE);
  const guint timeout = g_timeout_add(
      kCompileTimeoutMs,
      [](gpointer loop) {
        g_main_loop_quit(static_cast<GMainLoop*>(loop));
        return G_SOURCE_REMOVE;
      },
      waiting_);
  g_main_loop_run(waiting_);
  if (filter_ != nullptr || failed_) g_source_remove(timeout);
  g_main_loop_unref(waiting_);
  waiting_ = nullptr;
  return filter_;
}

void OfflineFilter::OnSaved(GObject* store, GAsyncResult* result, gpointer data) {
  auto* self = static_cast<OfflineFilter*>(data);
  GError* error = nullptr;
  self->filter_ = webkit_user_content_filter_store_save_finish(
      WEBKIT_USER_CONTENT_FILTER_STORE(store), result, &error);
  if (error != nullptr) {
    self->failed_ = true;
    g_error_free(error);
  }
  if (self->waiting_ != nullptr) g_main_loop_quit(self->waiting_);
}

}  // namespace lumetta
