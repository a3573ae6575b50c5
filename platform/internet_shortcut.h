#pragma once

#include <optional>
#include <string>

namespace lumetta {

// The address an Internet shortcut file holds (key "URL" of section "InternetShortcut"), read
// as the favorites are: UTF-8, else as written by a Chinese Windows (GB18030). Nothing when
// `path` is no regular file of a shortcut's size (at most 64 KiB) or holds no address.
std::optional<std::string> ShortcutAddress(const std::string& path);

}  // namespace lumetta
