#include "ui/controls/css_color.h"

namespace lumetta {

std::string CssColor(std::uint32_t color) {
  return "rgb(" + std::to_string(color & 0xFF) + "," + std::to_string((color >> 8) & 0xFF) + "," +
         std::to_string((color >> 16) & 0xFF) + ")";
}

}  // namespace lumetta
