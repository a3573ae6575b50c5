#include "platform/reg_hive.h"

#include <glib.h>

#include <cstdint>
#include <string>

#include "platform/utf8.h"

namespace lumetta {
namespace {

constexpr std::string_view kBlanks = " \t";

// How hex(1), hex(2) and hex(7) data is encoded: version 5 exports write these as UTF-16LE,
// REGEDIT4 exports in the narrow code page.
enum class HexStrings { kUtf16, kNarrow };

struct DecodedFile {
  std::string text;
  bool from_utf16 = false;
};

std::string_view TrimLeft(std::string_view s) {
  size_t start = s.find_first_not_of(kBlanks);
  return start == std::string_view::npos ? std::string_view() : s.substr(start);
}

std::string_view Trim(std::string_view s) {
  s = TrimLeft(s);
  return s.substr(0, s.find_last_not_of(kBlanks) + 1);
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() &&
         g_ascii_strncasecmp(s.data(), prefix.data(), prefix.size()) == 0;
}

// Hex payloads of string values may hold NULs between their parts, so NUL counts as valid here.
bool IsUtf8AllowingNuls(std::string_view s) {
  const char* p = s.data();
  const char* end = p + s.size();
  while (p < end) {
    const gchar* stop = nullptr;
    if (g_utf8_validate(p, end - p, &stop)) return true;
    if (*stop != '\0') return false;
    p = stop + 1;
  }
  return true;
}

std::optional<DecodedFile> DecodeFile(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) return DecodedFile{Utf16LeToUtf8(bytes.substr(2)), true};
  if (bytes.starts_with("\xEF\xBB\xBF")) return DecodedFile{ValidUtf8(bytes.substr(3)), false};
  if (bytes.size() >= 2 && bytes[1] == '\0' && bytes[0] != '\0') {
    return DecodedFile{Utf16LeToUtf8(bytes), true};
  }
  if (IsUtf8AllowingNuls(bytes)) return DecodedFile{std::string(bytes), false};
  // A REGEDIT4 export from a Chinese Windows is in its ANSI code page.
  std::optional<std::string> converted = FromGb18030(bytes);
  if (!converted) return std::nullopt;
  return DecodedFile{std::move(*converted), false};
}

// Case folding of valid UTF-8; g_utf8_casefold stops at a NUL, so fold around them.
std::string Fold(std::string_view s) {
  std::string out;
  size_t start = 0;
  while (true) {
    const size_t nul = s.find('\0', start);
    const std::string_view piece =
        s.substr(start, nul == std::string_view::npos ? nul : nul - start);
    if (!piece.empty()) {
      gchar* folded = g_utf8_casefold(piece.data(), static_cast<gssize>(piece.size()));
      out += folded;
      g_free(folded);
    }
    if (nul == std::string_view::npos) return out;
    out += '\0';
    start = nul + 1;
  }
}

std::string_view CanonicalRoot(std::string_view folded_root) {
  if (folded_root == "hkcu") return "hkey_current_user";
  if (folded_root == "hklm") return "hkey_local_machine";
  if (folded_root == "hkcr") return "hkey_classes_root";
  if (folded_root == "hku") return "hkey_users";
  if (folded_root == "hkcc") return "hkey_current_config";
  return folded_root;
}

// Folded path with the root's long name and no empty components, so that spellings which
// address the same key compare equal.
std::string NormalizeKey(std::string_view path) {
  const std::string folded = Fold(Trim(path));
  std::string out;
  size_t start = 0;
  while (start <= folded.size()) {
    size_t sep = folded.find('\\', start);
    if (sep == std::string::npos) sep = folded.size();
    std::string_view part(folded.data() + start, sep - start);
    if (!part.empty()) {
      if (out.empty()) {
        part = CanonicalRoot(part);
      } else {
        out += '\\';
      }
      out += part;
    }
    start = sep + 1;
  }
  return out;
}

bool IsSameOrSubkey(std::string_view key, std::string_view ancestor) {
  if (!key.starts_with(ancestor)) return false;
  return key.size() == ancestor.size() || key[ancestor.size()] == '\\';
}

std::string_view NextLine(std::string_view text, size_t& pos) {
  size_t end = text.find('\n', pos);
  if (end == std::string_view::npos) end = text.size();
  std::string_view line = text.substr(pos, end - pos);
  pos = end + 1;
  if (line.ends_with('\r')) line.remove_suffix(1);
  return line;
}

// s starts at an opening quote; on success s is left just past the closing one.
std::optional<std::string> ReadQuoted(std::string_view& s) {
  std::string out;
  for (size_t i = 1; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '"') {
      s.remove_prefix(i + 1);
      return out;
    }
    if (c == '\\' && i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"')) ++i;
    out += s[i];
  }
  return std::nullopt;
}

std::optional<uint32_t> ParseHexNumber(std::string_view s) {
  if (s.empty() || s.size() > 8) return std::nullopt;
  uint32_t value = 0;
  for (char c : s) {
    const int digit = g_ascii_xdigit_value(c);
    if (digit < 0) return std::nullopt;
    value = value << 4 | static_cast<uint32_t>(digit);
  }
  return value;
}

std::optional<std::string> ParseHexBytes(std::string_view list) {
  std::string out;
  list = Trim(list);
  if (list.empty()) return out;
  while (true) {
    const size_t comma = list.find(',');
    const std::string_view token = Trim(list.substr(0, comma));
    if (token.size() > 2) return std::nullopt;
    const std::optional<uint32_t> byte = ParseHexNumber(token);
    if (!byte) return std::nullopt;
    out += static_cast<char>(*byte);
    if (comma == std::string_view::npos) return out;
    list.remove_prefix(comma + 1);
  }
}

std::string StringFromHex(const std::string& bytes, HexStrings encoding) {
  if (encoding == HexStrings::kUtf16) return Utf16LeToUtf8(bytes);
  if (IsUtf8AllowingNuls(bytes)) return bytes;
  return FromGb18030(bytes).value_or(bytes);
}

std::optional<RegData> ParseData(std::string_view data, HexStrings encoding) {
  if (data.starts_with('"')) {
    std::optional<std::string> text = ReadQuoted(data);
    if (!text || !Trim(data).empty()) return std::nullopt;
    text->push_back('\0');
    return RegData{kRegSz, std::move(*text)};
  }
  if (StartsWithNoCase(data, "dword:")) {
    const std::optional<uint32_t> number = ParseHexNumber(Trim(data.substr(6)));
    if (!number) return std::nullopt;
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>(*number >> shift);
    return RegData{kRegDword, std::move(bytes)};
  }
  if (!StartsWithNoCase(data, "hex")) return std::nullopt;
  data.remove_prefix(3);
  uint32_t type = kRegBinary;
  if (data.starts_with('(')) {
    const size_t close = data.find(')');
    if (close == std::string_view::npos) return std::nullopt;
    const std::optional<uint32_t> declared = ParseHexNumber(data.substr(1, close - 1));
    if (!declared) return std::nullopt;
    type = *declared;
    data.remove_prefix(close + 1);
  }
  if (!data.starts_with(':')) return std::nullopt;
  std::optional<std::string> bytes = ParseHexBytes(data.substr(1));
  if (!bytes) return std::nullopt;
  if (type == kRegSz || type == kRegExpandSz || type == kRegMultiSz) {
    *bytes = StringFromHex(*bytes, encoding);
  }
  return RegData{type, std::move(*bytes)};
}

HexStrings HexStringEncoding(std::string_view text, bool from_utf16) {
  size_t pos = 0;
  const std::string_view header = Trim(NextLine(text, pos));
  if (StartsWithNoCase(header, "REGEDIT4")) return HexStrings::kNarrow;
  if (StartsWithNoCase(header, "Windows Registry Editor Version 5")) return HexStrings::kUtf16;
  return from_utf16 ? HexStrings::kUtf16 : HexStrings::kNarrow;
}

// Joins a hex value's continuation lines (each ending in a backslash) onto data, advancing pos.
// False when the value is cut short.
bool JoinContinuations(std::string_view text, size_t& pos, std::string& data) {
  while (data.ends_with('\\')) {
    data.pop_back();
    if (pos >= text.size()) return false;
    size_t next = pos;
    const std::string_view more = Trim(NextLine(text, next));
    if (more.empty() || more[0] == '[' || more[0] == '"' || more[0] == '@') return false;
    data += more;
    pos = next;
  }
  return true;
}

std::optional<RegData> ReplayImport(std::string_view text, HexStrings encoding,
                                    const std::string& key, const std::string& name) {
  std::optional<RegData> result;
  bool in_key = false;
  size_t pos = 0;
  while (pos < text.size()) {
    const std::string_view line = Trim(NextLine(text, pos));
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      if (!line.ends_with(']')) {
        in_key = false;
        continue;
      }
      std::string_view inner = line.substr(1, line.size() - 2);
      const bool remove = inner.starts_with('-');
      if (remove) inner.remove_prefix(1);
      const std::string section = NormalizeKey(inner);
      in_key = !remove && section == key;
      if (remove && !section.empty() && IsSameOrSubkey(key, section)) result.reset();
      continue;
    }
    if (!in_key || (line[0] != '"' && line[0] != '@')) continue;

    std::string_view rest = line;
    std::string value_name;
    if (rest[0] == '@') {
      rest.remove_prefix(1);
    } else {
      std::optional<std::string> quoted = ReadQuoted(rest);
      if (!quoted) continue;
      value_name = std::move(*quoted);
    }
    rest = TrimLeft(rest);
    if (!rest.starts_with('=') || Fold(value_name) != name) continue;
    rest = Trim(rest.substr(1));
    if (rest == "-") {
      result.reset();
      continue;
    }
    std::string data(rest);
    if (StartsWithNoCase(data, "hex") && !JoinContinuations(text, pos, data)) continue;
    std::optional<RegData> value = ParseData(data, encoding);
    if (value) result = std::move(value);
  }
  return result;
}

}  // namespace

std::optional<RegData> FindRegValue(std::string_view file_bytes, std::string_view key_path,
                                    std::string_view value_name) {
  try {
    const std::optional<DecodedFile> decoded = DecodeFile(file_bytes);
    if (!decoded) return std::nullopt;
    const std::string key = NormalizeKey(ValidUtf8(key_path));
    if (key.empty()) return std::nullopt;
    return ReplayImport(decoded->text, HexStringEncoding(decoded->text, decoded->from_utf16), key,
                        Fold(ValidUtf8(value_name)));
  } catch (...) {
    return std::nullopt;
  }
}

}  // namespace lumetta
