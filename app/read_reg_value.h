#pragma once

#include <cstdint>
#include <string>

namespace lumetta {

// The text of a registry value as the program's registry reader sees it: string and
// expandable-string values as stored (cut at their first NUL, not expanded), DWORDs as unsigned
// decimal. Missing values, other types and data over 1024 bytes give "". Never fails.
std::string ReadRegValue(uint32_t root, const std::string& key_path, const std::string& value_name);

}  // namespace lumetta
