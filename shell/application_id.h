#pragma once

namespace lumetta {

// The browser's name as a unique application of the desktop session, as the desktop file and
// the AppStream description name it.
inline constexpr char kApplicationId[] = "net.lumetta.Browser";

}  // namespace lumetta
