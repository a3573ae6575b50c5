#pragma once

#include <array>
#include <optional>
#include <string>

namespace lumetta {

// Engines by slot: 0 Baidu, 1 Yahoo, 2 Google.
inline constexpr int kSearchEngineCount = 3;

// Stands in a template for the keyword.
inline constexpr char kSearchPlaceholder[] = "<searchstring>";

// Writes the web-search URL template of each engine into its slot, 0 to 2 in order.
void FillSearchTemplates(std::array<std::string, kSearchEngineCount>& slots);

// Every UTF-8 byte but A-Z a-z 0-9 - . _ ~ as %XX, so that the keyword stays one query value.
std::string PercentEncode(const std::string& text);

// `url_template` with every "<searchstring>" replaced by the encoded keyword.
std::string BuildSearchUrl(const std::string& url_template, const std::string& keyword);

// The template slot that an engine number held as decimal text names, if any.
std::optional<int> SearchSlot(const std::string& search_type);

}  // namespace lumetta
