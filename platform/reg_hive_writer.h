#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumetta {

// Sets a string value in the text of a regedit export (.reg file) as an edit by hand would:
// the line that assigns the value now (the one an import would apply last) is replaced, or a
// line is added in a section of the key at the end. The line written takes the file's encoding
// and line ends; every other byte stays as it was. Nothing when the file is not an export that
// can be parsed, when the value holds a line break or NUL, or when the file's encoding cannot
// hold the text. key_path and value_name are spelled as for FindRegValue.
std::optional<std::string> SetRegString(std::string_view file_bytes, std::string_view key_path,
                                        std::string_view value_name, std::string_view value);

enum class HiveWrite { kWritten, kUnreadable, kUnparsable, kNotWritten };

// Sets the value in the hive file at `path` and replaces the file atomically; a missing or empty
// file becomes a new export in UTF-8. A file that cannot be read or parsed is left untouched.
HiveWrite WriteRegString(const std::string& path, std::string_view key_path,
                         std::string_view value_name, std::string_view value);

}  // namespace lumetta
