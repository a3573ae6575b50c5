#pragma once

#include <webkit2/webkit2.h>

#include <vector>

namespace lumetta {

// The content filter that blocks every network request of a view while it works offline.
// Compiled once per process, on first use.
class OfflineFilter {
 public:
  OfflineFilter() = default;
  ~OfflineFilter();
  OfflineFilter(const OfflineFilter&) = delete;
  OfflineFilter& operator=(const OfflineFilter&) = delete;

  // The compiled filter, waiting for the compilation when needed; null when it failed.
  WebKitUserContentFilter* Get();

 private:
  struct Waiter {
    GMainLoop* loop = nullptr;
    guint timeout = 0;
  };

  static void OnSaved(GObject* store, GAsyncResult* result, gpointer self);

  WebKitUserContentFilterStore* store_ = nullptr;
  WebKitUserContentFilter* filter_ = nullptr;
  std::vector<Waiter*> waiters_;
  bool failed_ = false;
};

}  // namespace lumetta
