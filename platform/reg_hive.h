#pragma once

#include <optional>
#include <string_view>

#include "platform/registry.h"

namespace lumetta {

// Far beyond any real hive; a bigger file is neither read nor rewritten.
inline constexpr size_t kMaxHiveBytes = 16u << 20;

// Looks a value up in the text of a regedit export (.reg file), applying the file the way an
// import would: sections for the same key merge, later assignments win, "[-key]" removes a key
// with its subkeys and "name"=- removes a value. key_path starts with the root name
// ("HKEY_CURRENT_USER\\Software\\..." or "HKCU\\Software\\..."); key path and value name match
// without regard to case. An empty value name means the default value ("@").
// String types come back as UTF-8 with their terminating NUL(s), others as stored.
// Any file that cannot be decoded or parsed yields nothing.
std::optional<RegData> FindRegValue(std::string_view file_bytes, std::string_view key_path,
                                    std::string_view value_name);

}  // namespace lumetta
