#include "app/read_reg_value.h"

#include <glib.h>

#include <optional>

#include "platform/platform.h"
#include "platform/registry.h"
#include "platform/utf8.h"

namespace lumetta {
namespace {

// The size of the buffer the value is queried into; larger data counts as unreadable.
constexpr size_t kBufferBytes = 1024;

}  // namespace

std::string ReadRegValue(uint32_t root, const std::string& key_path,
                         const std::string& value_name) {
  try {
    Registry* registry = ThePlatform().registry;
    if (registry == nullptr) return "";
    // Names travel as C strings, so anything after a NUL is not part of them.
    const std::optional<RegData> value =
        registry->QueryValue(root, key_path.c_str(), value_name.c_str());
    if (!value || value->bytes.size() > kBufferBytes) return "";
    const std::string& data = value->bytes;
    switch (value->type) {
      case kRegSz:
      case kRegExpandSz:
        return ValidUtf8(data.substr(0, data.find('\0')));
      case kRegDword: {
        uint32_t number = 0;
        for (size_t i = 0; i < 4 && i < data.size(); ++i) {
          number |= static_cast<uint32_t>(static_cast<uint8_t>(data[i])) << (8 * i);
        }
        return std::to_string(number);
      }
      default:
        return "";
    }
  } catch (...) {
    return "";
  }
}

}  // namespace lumetta
