#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumetta {

// `text` as valid UTF-8: every byte that is not part of a valid character, NULs included,
// becomes U+FFFD.
std::string ValidUtf8(std::string_view text);

// UTF-16LE bytes as UTF-8: unpaired surrogates become U+FFFD, NULs are kept, an odd last byte
// is dropped.
std::string Utf16LeToUtf8(std::string_view bytes);
// UTF-8 text as UTF-16LE bytes, invalid bytes as U+FFFD.
std::string Utf8ToUtf16Le(std::string_view text);

// Bytes in the code page of a Chinese Windows (GB18030, of which GBK is a part) as UTF-8;
// nothing when they are not valid there.
std::optional<std::string> FromGb18030(std::string_view bytes);
// Bytes of a file that may come from a Chinese Windows (a profile file, a shortcut) as text:
// UTF-8 as it is, else their GB18030 reading, else ValidUtf8.
std::string TextFromWindows(std::string bytes);

// A file name as text: UTF-8 as it is; else, for a name from a Chinese Windows (a folder
// unpacked from its archive), its GB18030 reading when the bytes are valid there; else GLib's
// display form of the name.
std::string DisplayFileName(const std::string& file_name);

}  // namespace lumetta
