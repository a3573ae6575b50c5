#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace lumetta {

// What the Internet Options panel deletes of the browsing history, as bits.
inline constexpr uint32_t kVisitedAddresses = 1;
inline constexpr uint32_t kEngineCache = 2;
inline constexpr uint32_t kCookiesAndSiteData = 4;

// With this option followed by the kinds in decimal, the browser deletes them and ends with
// status 0 when all of it went: the one that runs in the session deletes in its own engine,
// otherwise the started one deletes in the user's profile, without a window.
inline constexpr char kDeleteBrowsingDataOption[] = "--delete-browsing-data=";

// The kinds that follow kDeleteBrowsingDataOption: plain decimal digits only (no sign, blank or
// other base) of a value that fits in 32 bits; nothing otherwise.
std::optional<uint32_t> ParseBrowsingDataKinds(std::string_view text);

}  // namespace lumetta
