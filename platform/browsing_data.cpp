#include "platform/browsing_data.h"

#include <charconv>

namespace lumetta {

std::optional<uint32_t> ParseBrowsingDataKinds(std::string_view text) {
  // from_chars takes no blank or sign; what follows the digits must be nothing.
  uint32_t kinds = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), kinds, 10);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return kinds;
}

}  // namespace lumetta
