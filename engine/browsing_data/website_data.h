#pragma once

#include <webkit2/webkit2.h>

#include <functional>

namespace lumetta {

// Kinds of data the engine keeps for the sites it shows.
enum WebsiteDataKind : unsigned {
  kMemoryCacheData = 1u << 0,
  kDiskCacheData = 1u << 1,
  kOfflineApplicationCacheData = 1u << 2,
  kDomCacheData = 1u << 3,
  // Cookies, storage, databases and everything else kept for sites that is not a cache.
  kSiteData = 1u << 4,
};

inline constexpr unsigned kAllCacheData =
    kMemoryCacheData | kDiskCacheData | kOfflineApplicationCacheData | kDomCacheData;

// Clears `kinds` for every site and all time from the data of `context`, then calls `done`
// with whether the engine managed. The engine works asynchronously, so
// `done` runs from the main loop. A request made while another is under way starts once it
// is done: two clearings never run at once.
void ClearWebsiteData(WebKitWebContext* context, unsigned kinds,
                      std::function<void(bool cleared)> done);

}  // namespace lumetta
