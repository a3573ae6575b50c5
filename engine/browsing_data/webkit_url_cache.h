#pragma once

#include <memory>

#include "platform/url_cache.h"

namespace lumetta {

class UrlHistory;

// The Internet cache over the engine's data. Its groups are the engine's four caches (memory,
// disk, offline application and DOM cache), deleted by clearing that cache; its entries are
// the visited addresses of `history`, deleted by forgetting them. Cookies and site storage are
// not part of it.
std::unique_ptr<UrlCache> CreateWebKitUrlCache(UrlHistory& history);

}  // namespace lumetta
