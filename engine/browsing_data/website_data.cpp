#include "engine/browsing_data/website_data.h"

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
  WebKitWebContext* context = nullptr;
  unsigned kinds = 0;
  std::function<void(bool)> done;
  bool again = false;
};

guint again_timer = 0;
WebKitWebContext* again_context = nullptr;
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
  Enqueue({again_context, std::exchange(again_kinds, 0), nullptr, true});
  return G_SOURCE_REMOVE;
}

void ScheduleAgain(WebKitWebContext* context, unsigned kinds) {
  again_context = context;
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
  if (!request.again) ScheduleAgain(request.context, request.kinds);
  try {
    if (request.done) request.done(cleared);
  } catch (...) {
  }
}

void StartFront() {
  const Request& front = Queue().front();
  webkit_website_data_manager_clear(webkit_web_context_get_website_data_manager(front.context),
                                    TypesOf(front.kinds), 0, nullptr, &Finished, nullptr);
}

void Enqueue(Request request) {
  Queue().push_back(std::move(request));
  if (Queue().size() == 1) StartFront();
}

}  // namespace

void ClearWebsiteData(WebKitWebContext* context, unsigned kinds,
                      std::function<void(bool cleared)> done) {
  Enqueue({context, kinds, std::move(done)});
}

}  // namespace lumetta
