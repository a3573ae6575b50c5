#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace lumetta {

// What the Internet Options panel deletes of the browsing history, as bits.
inline constexpr uint32_t kVisitedAddresses = 1;
inline constexpr uint32_t kEngineCache = 2;
inline constexpr uint32_t kCookiesAndSiteData = 4;

// Every browser process answers the panel on the session bus, under a name of its own that
// starts with kBrowserBusNamePrefix: Delete(u kinds) -> (b deleted) deletes in that process.
inline constexpr char kBrowserBusNamePrefix[] = "net.lumetta.Browser.Instance";
inline constexpr char kBrowsingDataPath[] = "/net/lumetta/Browser/BrowsingData";
inline constexpr char kBrowsingDataInterface[] = "net.lumetta.BrowsingData";
inline constexpr char kDeleteMethod[] = "Delete";

// With this option followed by the kinds in decimal, the browser deletes them in its own
// profile and ends, without a window: the panel's way when no browser runs.
inline constexpr char kDeleteBrowsingDataOption[] = "--delete-browsing-data=";

// The kinds that follow kDeleteBrowsingDataOption: plain decimal digits only (no sign, blank or
// other base) of a value that fits in 32 bits; nothing otherwise.
std::optional<uint32_t> ParseBrowsingDataKinds(std::string_view text);

}  // namespace lumetta
