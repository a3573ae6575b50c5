#pragma once

#include <cstdint>
#include <string>

namespace lumetta {

// A colour value in the layout 0x00BBGGRR as a CSS colour, "rgb(R,G,B)". The top byte is not a
// colour channel and is ignored.
std::string CssColor(std::uint32_t color);

}  // namespace lumetta
