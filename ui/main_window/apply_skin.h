#pragma once

#include <cstdint>

namespace lumetta {

// The colour of a skinned window's background and of its picture boxes, 0x00BBGGRR: red 186,
// green 219, blue 228, a light greyish blue.
inline constexpr std::uint32_t kPanelColor = 0xE4DBBA;

// The skin file, in the program's folder.
inline constexpr char kSkinFileName[] = "skin.skn";

}  // namespace lumetta
