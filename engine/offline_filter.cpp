#include "engine/offline_filter.h"

#include <string>
#include <vector>

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
  // Compilation takes a few milliseconds; the caller needs the filter before it goes on. Other
  // windows may ask for it while this one waits: each waits in a loop of its own, and all of
  // them end when it is ready.
  YieldScope scope;
  Waiter waiter;
  waiter.loop = g_main_loop_new(nullptr, FALSE);
  waiter.timeout = g_timeout_add(
      kCompileTimeoutMs,
      [](gpointer data) {
        auto* waiter = static_cast<Waiter*>(data);
        waiter->timeout = 0;
        g_main_loop_quit(waiter->loop);
        return G_SOURCE_REMOVE;
      },
      &waiter);
  waiters_.push_back(&waiter);
  if (filter_ == nullptr && !failed_) g_main_loop_run(waiter.loop);
  std::erase(waiters_, &waiter);
  if (waiter.timeout != 0) g_source_remove(waiter.timeout);
  g_main_loop_unref(waiter.loop);
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
  for (Waiter* waiter : self->waiters_) g_main_loop_quit(waiter->loop);
}

}  // namespace lumetta
