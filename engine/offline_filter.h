#pragma once

#include <webkit2/webkit2.h>

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
  static void OnSaved(GObject* store, GAsyncResult* result, gpointer self);

  WebKitUserContentFilterStore* store_ = nullptr;
  WebKitUserContentFilter* filter_ = nullptr;
  GMainLoop* waiting_ = nullptr;
  bool failed_ = false;
};

}  // namespace lumetta
