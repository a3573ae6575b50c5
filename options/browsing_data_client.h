#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace lumetta {

// Deletes the user's browsing data of `kinds` (kVisitedAddresses...) by starting
// `browser_program` with kDeleteBrowsingDataOption: a browser that runs in the session does it
// (it keeps the history in memory as well as in its file, and only its own engine may touch the
// engine's files while it runs), otherwise the program does it with its engine and ends. `done`
// is called from the main loop with whether all of it went.
void DeleteBrowsingData(uint32_t kinds, const std::string& browser_program,
                        std::function<void(bool deleted)> done);

}  // namespace lumetta
