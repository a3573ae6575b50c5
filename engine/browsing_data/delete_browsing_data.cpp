#include "engine/browsing_data/delete_browsing_data.h"

#include <utility>

#include "engine/browsing_data/website_data.h"
#include "platform/browsing_data.h"
#include "platform/url_history.h"

namespace lumetta {
namespace {

unsigned EngineKinds(uint32_t kinds) {
  unsigned engine = 0;
  if (kinds & kEngineCache) engine |= kAllCacheData;
  if (kinds & kCookiesAndSiteData) engine |= kSiteData;
  return engine;
}

}  // namespace

void DeleteBrowsingData(UrlHistory& history, WebKitWebContext* context, uint32_t kinds,
                        std::function<void(bool)> done) {
  const bool history_gone = (kinds & kVisitedAddresses) == 0 || history.Clear();
  ClearWebsiteData(
      context, EngineKinds(kinds),
      [history_gone, done = std::move(done)](bool cleared) { done(history_gone && cleared); });
}

}  // namespace lumetta
