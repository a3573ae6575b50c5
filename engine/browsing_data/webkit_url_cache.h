#pragma once

#include <webkit2/webkit2.h>

#include <memory>

#include "platform/url_cache.h"

namespace lumetta {

class UrlHistory;

// The Internet cache over the data of `context`. Its groups are the engine's four caches
// (memory, disk, offline application and DOM cache), deleted by clearing that cache; its
// entries are the visited addresses of `history`, deleted by forgetting them. Cookies and site
// storage are not part of it.
std::unique_ptr<UrlCache> CreateWebKitUrlCache(UrlHistory& history, WebKitWebContext* context);

}  // namespace lumetta
