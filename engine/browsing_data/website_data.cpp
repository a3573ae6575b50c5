#include "engine/browsing_data/website_data.h"

#include <webkit2/webkit2.h>

#include <deque>
#include <utility>

namespace lumetta {
namespace {

// The engine writes a page into its disk cache about a second after fetching it, and a
// clearing leaves the writes it has queued: a page fetched just before would come back. The
// caches are cleared once more when those writes are done.
constexpr guint kQueuedWritesMs = 1500;
constexpr unsigned kRewrittenCaches = kMemoryCacheData | kDiskCacheData;

struct Request {
  unsigned kinds = 0;
  std::function<void(bool)> done;
  bool again = false;
};

guint again_timer = 0;
unsigned again_kinds = 0;

// The request at the front is the one the engine is working on.
std::deque<Request>& Queue() {
  static std::deque<Request> queue;
  return queue;
}

WebKitWebsiteDataTypes TypesOf(unsigned kinds) {
  unsigned types = 0;
  if (kinds & kMemoryCacheData) types |= WEBKIT_WEBSITE_DATA_MEMORY_CACHE;
  if (kinds & kDiskCacheData) types |= WEBKIT_WEBSITE_DATA_DISK_CACHE;
  if (kinds & kOfflineApplicationCacheData) types |= WEBKIT_WEBSITE_DATA_OFFLINE_APPLICATION_CACHE;
  if (kinds & kDomCacheData) types |= WEBKIT_WEBSITE_DATA_DOM_CACHE;
  if (kinds & kSiteData) {
    types |= WEBKIT_WEBSITE_DATA_ALL &
             ~(WEBKIT_WEBSITE_DATA_MEMORY_CACHE | WEBKIT_WEBSITE_DATA_DISK_CACHE |
               WEBKIT_WEBSITE_DATA_OFFLINE_APPLICATION_CACHE | WEBKIT_WEBSITE_DATA_DOM_CACHE);
  }
  return static_cast<WebKitWebsiteDataTypes>(types);
}

void StartFront();
void Enqueue(Request request);

gboolean ClearAgain(gpointer) {
  again_timer = 0;
  Enqueue({std::exchange(again_kinds, 0), nullptr, true});
  return G_SOURCE_REMOVE;
}

void ScheduleAgain(unsigned kinds) {
  again_kinds |= kinds & kRewrittenCaches;
  if (again_kinds == 0) return;
  if (again_timer != 0) g_source_remove(again_timer);
  again_timer = g_timeout_add(kQueuedWritesMs, &ClearAgain, nullptr);
}

void Finished(GObject* manager, GAsyncResult* result, gpointer) {
  GError* error = nullptr;
  const bool cleared = webkit_website_data_manager_clear_finish(
                           WEBKIT_WEBSITE_DATA_MANAGER(manager), result, &error) != FALSE;
  if (error != nullptr) g_error_free(error);
  Request request = std::move(Queue().front());
  Queue().pop_front();
  if (!Queue().empty()) StartFront();
  if (!request.again) ScheduleAgain(request.kinds);
  try {
    if (request.done) request.done(cleared);
  } catch (...) {
  }
}

void StartFront() {
  // The engine sets its data store up with its first view; clearing before that crashes it,
  // as when the browser deletes for the Internet Options panel without a window. A view that
  // is never shown makes sure of it.
  static WebKitWebView* const first_view = [] {
    auto* view = WEBKIT_WEB_VIEW(webkit_web_view_new());
    g_object_ref_sink(view);
    return view;
  }();
  // The main windows' views use the default context, and so its data.
  WebKitWebsiteDataManager* manager = webkit_web_view_get_website_data_manager(first_view);
  webkit_website_data_manager_clear(manager, TypesOf(Queue().front().kinds), 0, nullptr, &Finished,
                                    nullptr);
}

void Enqueue(Request request) {
  Queue().push_back(std::move(request));
  if (Queue().size() == 1) StartFront();
}

}  // namespace

void ClearWebsiteData(unsigned kinds, std::function<void(bool cleared)> done) {
  Enqueue({kinds, std::move(done)});
}

}  // namespace lumetta
