#include "platform/profile_strings.h"

#include <fcntl.h>
#include <glib.h>
#include <glib/gstdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "platform/file_io.h"
#include "platform/trim.h"
#include "platform/utf8.h"

namespace lumetta {
namespace {

// Far beyond any real profile file; a bigger one is not read, nor rewritten.
constexpr size_t kMaxFileBytes = 64u << 20;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";

// How a profile file is stored: bytes as they are (the 8-bit code page, or UTF-8), UTF-8 after a
// byte order mark, or UTF-16LE after one, as Windows writes Unicode profile files.
enum class Encoding { kBytes, kUtf8Bom, kUtf16Le };

struct DecodedText {
  Encoding encoding = Encoding::kBytes;
  std::string text;
};

DecodedText Decode(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) {
    return {Encoding::kUtf8Bom, std::string(bytes.substr(kUtf8Bom.size()))};
  }
  if (bytes.starts_with(kUtf16LeBom)) {
    return {Encoding::kUtf16Le, Utf16LeToUtf8(bytes.substr(kUtf16LeBom.size()))};
  }
  return {Encoding::kBytes, std::string(bytes)};
}

std::string Encode(const std::string& text, Encoding encoding) {
  switch (encoding) {
    case Encoding::kUtf8Bom:
      return std::string(kUtf8Bom) + text;
    case Encoding::kUtf16Le:
      return std::string(kUtf16LeBom) + Utf8ToUtf16Le(text);
    case Encoding::kBytes:
      break;
  }
  return text;
}
bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

std::string Fold(std::string_view text) {
  if (!IsAscii(text) && g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) {
    gchar* folded = g_utf8_casefold(text.data(), static_cast<gssize>(text.size()));
    std::string result(folded);
    g_free(folded);
    return result;
  }
  std::string result(text);
  for (char& c : result) c = g_ascii_tolower(c);
  return result;
}

// Names match without regard to case, non-ASCII letters included.
bool SameName(std::string_view a, std::string_view b) {
  if (IsAscii(a) && IsAscii(b)) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
      if (g_ascii_tolower(a[i]) != g_ascii_tolower(b[i])) return false;
    }
    return true;
  }
  return Fold(a) == Fold(b);
}

enum class LineKind { kBlank, kSection, kKey };

struct ParsedLine {
  LineKind kind = LineKind::kBlank;
  std::string_view name;
  size_t equals = std::string_view::npos;  // position of "=" in a key line, if any
};

// A line without its line end. "[" without a closing "]" is no section header: like any other
// text it is a key, with a value when it holds "=".
ParsedLine ParseLine(std::string_view line) {
  const std::string_view text = TrimWhitespace(line);
  if (text.empty()) return {};
  if (text.front() == '[') {
    const size_t close = text.rfind(']');
    if (close != text.npos) return {LineKind::kSection, TrimWhitespace(text.substr(1, close - 1))};
  }
  const size_t equals = line.find('=');
  if (equals == line.npos) return {LineKind::kKey, text};
  return {LineKind::kKey, TrimWhitespace(line.substr(0, equals)), equals};
}

// Where a key is, or would go, in the text of a profile file (without its byte order mark).
struct Location {
  bool section_found = false;
  // End of the section's last non-blank line, before its line end: where a new key goes.
  size_t section_end = 0;
  bool key_found = false;
  size_t key_begin = 0;
  size_t key_end = 0;  // before the line end
  size_t equals = std::string_view::npos;
};

Location Locate(std::string_view text, std::string_view section, std::string_view key) {
  Location at;
  bool in_section = false;
  size_t begin = 0;
  while (begin < text.size()) {
    const size_t newline = text.find('\n', begin);
    const size_t next = newline == text.npos ? text.size() : newline + 1;
    std::string_view line = text.substr(begin, next - begin);
    if (line.ends_with('\n')) line.remove_suffix(1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    const ParsedLine parsed = ParseLine(line);
    if (parsed.kind == LineKind::kSection) {
      // Only the first section of that name is searched.
      if (in_section) break;
      in_section = SameName(parsed.name, section);
      at.section_found = in_section;
      at.section_end = begin + line.size();
    } else if (in_section && parsed.kind == LineKind::kKey) {
      at.section_end = begin + line.size();
      if (SameName(parsed.name, key)) {
        at.key_found = true;
        at.key_begin = begin;
        at.key_end = begin + line.size();
        at.equals = parsed.equals;
        return at;
      }
    }
    begin = next;
  }
  return at;
}

// Cuts `text` to at most `size` - 1 bytes, dropping a character the cut would split.
std::string Cut(std::string_view text, size_t size) {
  if (text.size() < size) return std::string(text);
  text = text.substr(0, size - 1);
  size_t start = text.size();
  int continuation = 0;
  while (start > 0 && continuation < 3 && (static_cast<uint8_t>(text[start - 1]) & 0xC0) == 0x80) {
    --start;
    ++continuation;
  }
  if (start > 0) {
    const auto lead = static_cast<uint8_t>(text[start - 1]);
    const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (lead >= 0xC0 && length > continuation + 1) text = text.substr(0, start - 1);
  }
  return std::string(text);
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

std::string_view LineEndOf(std::string_view text) {
  const size_t newline = text.find('\n');
  if (newline != text.npos && (newline == 0 || text[newline - 1] != '\r')) return "\n";
  // Windows' own line end for new files.
  return "\r\n";
}

}  // namespace

std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view default_value, const std::string& path,
                              size_t size) {
  if (size == 0) return {};
  std::string contents;
  mode_t mode = 0;
  if (ReadRegularFile(path, kMaxFileBytes, contents, &mode) == ReadStatus::kRead) {
    const DecodedText decoded = Decode(contents);
    const std::string_view text = decoded.text;
    const Location at = Locate(text, section, key);
    if (at.key_found && at.equals != std::string_view::npos) {
      const std::string_view line = text.substr(at.key_begin, at.key_end - at.key_begin);
      return Cut(Unquote(UpToNul(TrimWhitespace(line.substr(at.equals + 1)))), size);
    }
  }
  return Cut(UpToNul(TrimTrailingWhitespace(default_value)), size);
}

bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        const std::string& path) {
  const std::optional<FileToRewrite> file = ReadForRewrite(path, kMaxFileBytes);
  if (!file) return false;
  const DecodedText decoded = Decode(file->contents);
  const std::string_view text = decoded.text;
  const std::string_view line_end = LineEndOf(text);

  std::string line(key);
  line += '=';
  for (const char c : UpToNul(value)) {
    if (c != '\r' && c != '\n') line += c;
  }

  std::string out;
  out.reserve(text.size() + line.size() + section.size() + 8);
  const Location at = Locate(text, section, key);
  if (at.key_found) {
    // The key keeps its own spelling and indentation.
    const std::string_view old_line = text.substr(at.key_begin, at.key_end - at.key_begin);
    out += text.substr(0, at.key_begin);
    out += at.equals == std::string_view::npos ? TrimTrailingWhitespace(old_line)
                                               : old_line.substr(0, at.equals);
    out += line.substr(key.size());
    out += text.substr(at.key_end);
  } else if (at.section_found) {
    out += text.substr(0, at.section_end);
    out += line_end;
    out += line;
    out += text.substr(at.section_end);
  } else {
    out += text;
    if (!text.empty() && !text.ends_with('\n')) out += line_end;
    out += '[';
    out += section;
    out += ']';
    out += line_end;
    out += line;
    out += line_end;
  }
  return ReplaceFile(file->target, Encode(out, decoded.encoding), file->mode);
}

}  // namespace lumetta
