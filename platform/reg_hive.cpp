#include "platform/reg_hive.h"

#include <glib.h>

#include <cstdint>
#include <string>

#include "platform/reg_syntax.h"
#include "platform/trim.h"
#include "platform/utf8.h"

namespace lumetta {
namespace {

using namespace reg_text;

// How hex(1), hex(2) and hex(7) data is encoded: version 5 exports write these as UTF-16LE,
// REGEDIT4 exports in the narrow code page.
enum class HexStrings { kUtf16, kNarrow };

struct DecodedFile {
  std::string text;
  bool from_utf16 = false;
};

std::optional<DecodedFile> DecodeFile(std::string_view bytes) {
  const std::optional<HiveEncoding> encoding = DetectHiveEncoding(bytes);
  if (!encoding) return std::nullopt;
  std::optional<std::string> text = DecodeHiveText(bytes.substr(BomSize(*encoding)), *encoding);
  if (!text) return std::nullopt;
  return DecodedFile{std::move(*text), IsUtf16(*encoding)};
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
  list = TrimWhitespace(list);
  if (list.empty()) return out;
  while (true) {
    const size_t comma = list.find(',');
    const std::string_view token = TrimWhitespace(list.substr(0, comma));
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
    if (!text || !TrimWhitespace(data).empty()) return std::nullopt;
    text->push_back('\0');
    return RegData{kRegSz, std::move(*text)};
  }
  if (StartsWithNoCase(data, "dword:")) {
    const std::optional<uint32_t> number = ParseHexNumber(TrimWhitespace(data.substr(6)));
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
  const std::string_view header = TrimWhitespace(NextLine(text, pos));
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
    const std::string_view more = TrimWhitespace(NextLine(text, next));
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
    const std::string_view line = TrimWhitespace(NextLine(text, pos));
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
    if (!in_key) continue;

    std::string_view rest = line;
    const std::optional<std::string> value_name = ReadValueName(rest);
    if (!value_name || !rest.starts_with('=') || Fold(*value_name) != name) continue;
    rest = TrimWhitespace(rest.substr(1));
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
