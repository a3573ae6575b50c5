#include "platform/reg_syntax.h"

#include <glib.h>

#include <cstdint>

#include "platform/trim.h"
#include "platform/utf8.h"

namespace lumetta::reg_text {
namespace {

std::string_view CanonicalRoot(std::string_view folded_root) {
  if (folded_root == "hkcu") return "hkey_current_user";
  if (folded_root == "hklm") return "hkey_local_machine";
  if (folded_root == "hkcr") return "hkey_classes_root";
  if (folded_root == "hku") return "hkey_users";
  if (folded_root == "hkcc") return "hkey_current_config";
  return folded_root;
}

}  // namespace

std::optional<HiveEncoding> DetectHiveEncoding(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) return HiveEncoding::kUtf16LeBom;
  if (bytes.starts_with("\xEF\xBB\xBF")) return HiveEncoding::kUtf8Bom;
  if (bytes.size() >= 2 && bytes[1] == '\0' && bytes[0] != '\0') return HiveEncoding::kUtf16Le;
  if (IsUtf8AllowingNuls(bytes)) return HiveEncoding::kUtf8;
  if (FromGb18030(bytes)) return HiveEncoding::kGb18030;
  return std::nullopt;
}

size_t BomSize(HiveEncoding encoding) {
  switch (encoding) {
    case HiveEncoding::kUtf16LeBom:
      return 2;
    case HiveEncoding::kUtf8Bom:
      return 3;
    default:
      return 0;
  }
}

bool IsUtf16(HiveEncoding encoding) {
  return encoding == HiveEncoding::kUtf16LeBom || encoding == HiveEncoding::kUtf16Le;
}

std::optional<std::string> DecodeHiveText(std::string_view bytes, HiveEncoding encoding) {
  switch (encoding) {
    case HiveEncoding::kUtf16LeBom:
    case HiveEncoding::kUtf16Le:
      return Utf16LeToUtf8(bytes);
    case HiveEncoding::kUtf8Bom:
      return ValidUtf8(bytes);
    case HiveEncoding::kUtf8:
      return std::string(bytes);
    case HiveEncoding::kGb18030:
      return FromGb18030(bytes);
  }
  return std::nullopt;
}

std::optional<std::string> EncodeHiveText(std::string_view utf8, HiveEncoding encoding) {
  if (!g_utf8_validate(utf8.data(), static_cast<gssize>(utf8.size()), nullptr)) {
    return std::nullopt;
  }
  if (IsUtf16(encoding)) return Utf8ToUtf16Le(utf8);
  if (encoding != HiveEncoding::kGb18030) return std::string(utf8);
  gsize written = 0;
  gchar* converted = g_convert(utf8.data(), static_cast<gssize>(utf8.size()), "GB18030", "UTF-8",
                               nullptr, &written, nullptr);
  if (converted == nullptr) return std::nullopt;
  std::string out(converted, written);
  g_free(converted);
  return out;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() &&
         g_ascii_strncasecmp(s.data(), prefix.data(), prefix.size()) == 0;
}

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

// g_utf8_casefold stops at a NUL, so fold around them.
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

std::string NormalizeKey(std::string_view path) {
  const std::string folded = Fold(TrimWhitespace(path));
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

std::optional<std::string> ReadValueName(std::string_view& line) {
  std::optional<std::string> name;
  if (line.starts_with('@')) {
    line.remove_prefix(1);
    name.emplace();
  } else if (line.starts_with('"')) {
    name = ReadQuoted(line);
  }
  if (name) line = TrimLeadingWhitespace(line);
  return name;
}

std::string Quote(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + '"';
}

}  // namespace lumetta::reg_text
