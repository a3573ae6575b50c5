#pragma once

#include <string>
#include <string_view>

namespace lumetta {

// `text` as valid UTF-8: every byte that is not part of a valid character, NULs included,
// becomes U+FFFD.
std::string ValidUtf8(std::string_view text);

}  // namespace lumetta
