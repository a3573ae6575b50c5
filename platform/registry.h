#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumetta {

// Root keys by their published handle values.
inline constexpr uint32_t kHKeyCurrentUser = 0x80000001u;
inline constexpr uint32_t kHKeyLocalMachine = 0x80000002u;

// Registry value types.
inline constexpr uint32_t kRegNone = 0;
inline constexpr uint32_t kRegSz = 1;
inline constexpr uint32_t kRegExpandSz = 2;
inline constexpr uint32_t kRegBinary = 3;
inline constexpr uint32_t kRegDword = 4;
inline constexpr uint32_t kRegMultiSz = 7;

// A value as the narrow-character query interface hands it out: the type and the data bytes.
// String types (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) come as UTF-8 including their terminating
// NUL(s), so the byte count is what a caller's buffer must hold; other types come as stored.
struct RegData {
  uint32_t type = kRegNone;
  std::string bytes;
};

// Read-only registry. QueryValue gives nothing when the root is unknown, the key cannot be
// opened or the value does not exist.
class Registry {
 public:
  virtual ~Registry() = default;
  virtual std::optional<RegData> QueryValue(uint32_t root, std::string_view key_path,
                                            std::string_view value_name) = 0;
};

}  // namespace lumetta
