#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumetta {

// What a skin's style sheet may ask for beyond GTK's own rules. GTK reads an imported sheet while
// it parses and an image whenever a window draws it, with no limit on either, and its memory grows
// with the number of selectors: a skin from anywhere could hang the browser or exhaust it.
inline constexpr size_t kMaxSkinSelectors = 2000;
inline constexpr size_t kMaxSkinImageBytes = 1u << 20;
inline constexpr int kMaxSkinImagePixels = 4096;

// `sheet`, the style sheet of a skin in `folder`, when it imports nothing, has at most
// kMaxSkinSelectors selectors and names in `url()` only images in `folder` (or below it) that are
// regular files of at most kMaxSkinImageBytes and kMaxSkinImagePixels a side, in a format their
// extension names. Each `url()` then
// names its image by its full address, as the one checked: GTK would look for a relative name in
// the working folder. Nothing when the sheet is refused.
std::optional<std::string> CheckSkinSheet(std::string_view sheet, const std::string& folder);

}  // namespace lumetta
