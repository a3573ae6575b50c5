#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumetta {

// Profile files (.ini, .url) read and written by Windows' private profile string rules:
// "[section]" lines open sections, "key=value" lines hold values; section and key names match
// without regard to case and blanks around names and values are ignored. The first section of
// that name is the one searched, and the first line of that key in it wins. A value enclosed in
// matching single or double quotes comes back without them. A UTF-8 byte order mark, UTF-16LE
// after its byte order mark, CRLF or LF line ends and any bytes are accepted; a file is written
// back in its own encoding.

// The value of `key` in `section`, cut at its first NUL and to `size` - 1 bytes (never in the
// middle of a UTF-8 character). When the file, the section or the key is missing, or the file
// cannot be read (or is over 64 MiB), gives `default_value` without its trailing blanks, cut
// the same way.
std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view default_value, const std::string& path, size_t size);

// Sets `key` in `section` to `value` (cut at its first NUL, line breaks dropped), creating the
// file, section or key where missing. Every other line stays as it was. The file is replaced
// at once (a temporary file in the same folder, then a rename), so a crash leaves either the
// old file or the new one; a symbolic link is written through. Gives false when nothing was
// written: the folder is missing, the path is a folder, or an existing file cannot be read.
bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        const std::string& path);

}  // namespace lumetta
