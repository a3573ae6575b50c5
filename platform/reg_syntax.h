#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text rules of regedit's export files (.reg) that reading and writing them share.
#include "platform/utf8.h"

namespace lumetta::reg_text {

// How a .reg file is encoded. Version 5 exports are UTF-16LE with a byte-order mark; files
// written by hand are often UTF-8; a REGEDIT4 export from a Chinese Windows is in its ANSI
// code page, GB18030.
enum class HiveEncoding { kUtf16LeBom, kUtf16Le, kUtf8Bom, kUtf8, kGb18030 };

// The encoding of `bytes`; nothing when none fits.
std::optional<HiveEncoding> DetectHiveEncoding(std::string_view bytes);
size_t BomSize(HiveEncoding encoding);
bool IsUtf16(HiveEncoding encoding);
// Text in `encoding`, without its byte-order mark, as UTF-8. Unpaired surrogates and bad bytes
// after a UTF-8 byte-order mark become U+FFFD; NULs are kept.
std::optional<std::string> DecodeHiveText(std::string_view bytes, HiveEncoding encoding);
// UTF-8 text in `encoding`, without a byte-order mark; nothing when the encoding cannot hold it.
std::optional<std::string> EncodeHiveText(std::string_view utf8, HiveEncoding encoding);

bool StartsWithNoCase(std::string_view s, std::string_view prefix);
// Valid UTF-8 apart from NULs, which hex payloads of string values hold between their parts.
bool IsUtf8AllowingNuls(std::string_view s);
// Case folding of valid UTF-8, NULs kept.
std::string Fold(std::string_view s);
// A key path folded, with the root's long name and no empty components, so that spellings
// which address the same key compare equal.
std::string NormalizeKey(std::string_view path);
// `s` starts at an opening quote; gives the unescaped text and leaves `s` just past the
// closing quote. Nothing when the quote is not closed.
std::optional<std::string> ReadQuoted(std::string_view& s);
// The name of the value a line assigns: "" for "@", else its quoted name. Leaves `line` at what
// follows, blanks skipped. Nothing when the line starts with neither.
std::optional<std::string> ReadValueName(std::string_view& line);
// `text` in quotes, with backslashes and quotes escaped.
std::string Quote(std::string_view text);

}  // namespace lumetta::reg_text
