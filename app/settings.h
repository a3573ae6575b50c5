#pragma once

#include <array>
#include <string>

namespace lumetta {

// Process-wide settings, one copy for all windows, refilled by InitSettings at every window load.
extern std::string gstrTitleSuffix;
extern std::string gstrSearchType;
extern std::string gstrHomePage;
extern std::array<std::string, 3> gstrSearchURL;

// The maker's navigation site, opened when no start page is configured.
inline constexpr const char* kDefaultHomePage = "http://www.lumetta.net";

// Where the start page is kept, per user and machine-wide.
inline constexpr const char* kStartPageKey = "SOFTWARE\\Microsoft\\Internet Explorer\\Main";
inline constexpr const char* kStartPageValue = "Start Page";

void InitSettings();

}  // namespace lumetta
