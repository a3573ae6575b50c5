#pragma once

#include <string>

namespace lumetta::bench {

// Writes shortcuts `from` + 1 to `count` into `folder` as Internet Explorer writes them, with
// Chinese names. False when a file cannot be written.
bool WriteFavoriteShortcuts(const std::string& folder, int from, int count);

}  // namespace lumetta::bench
