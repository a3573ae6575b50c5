#pragma once

#include <string>

namespace lumetta {

// The text with leading and trailing blanks (U+0020 only) removed.
std::string TrimSpaces(const std::string& text);

// The text without leading and trailing blanks, ideographic ones (U+3000) included.
std::string TrimKeyword(const std::string& text);

}  // namespace lumetta
