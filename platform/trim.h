#pragma once

#include <string>

namespace lumetta {

// The text with leading and trailing blanks (U+0020 only) removed.
std::string TrimSpaces(const std::string& text);

}  // namespace lumetta
