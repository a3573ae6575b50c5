#pragma once

#include <webkit2/webkit2.h>

#include <cstdint>
#include <functional>

namespace lumetta {

class UrlHistory;

// Deletes the `kinds` of browsing data (kVisitedAddresses...) kept in `history` and in the data
// of `context`, then calls `done` from the main loop with whether all of it went.
void DeleteBrowsingData(UrlHistory& history, WebKitWebContext* context, uint32_t kinds,
                        std::function<void(bool)> done);

}  // namespace lumetta
