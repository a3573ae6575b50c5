#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace lumetta {

// Deletes the user's browsing data of `kinds` (kVisitedAddresses...). Every browser that runs
// is asked over the session bus: it keeps the history in memory as well as in its file, and
// only its own engine may touch the engine's files while it runs. When none runs,
// `browser_program` is started to delete with its engine and end. `done` is called from the
// main loop with whether all of it went.
void DeleteBrowsingData(uint32_t kinds, const std::string& browser_program,
                        std::function<void(bool deleted)> done);

}  // namespace lumetta
