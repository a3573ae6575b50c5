#include "platform/reg_hive_writer.h"

#include <glib.h>
#include <glib/gstdio.h>
#include <sys/stat.h>

#include <vector>

#include "platform/file_io.h"
#include "platform/reg_hive.h"
#include "platform/reg_syntax.h"
#include "platform/registry.h"
#include "platform/trim.h"

namespace lumetta {
namespace {

using namespace reg_text;

constexpr std::string_view kNewHive = "Windows Registry Editor Version 5.00\r\n";

struct Line {
  // Its bytes in the file, from its first to just past its line break.
  size_t begin = 0;
  size_t end = 0;
  // Decoded, without the line break.
  std::string text;
  bool has_break = false;
  bool crlf = false;
};

// The file's lines, each decoded on its own; nothing when a line cannot be decoded or holds a
// NUL, which no export does.
std::optional<std::vector<Line>> SplitLines(std::string_view bytes, HiveEncoding encoding) {
  const size_t unit = IsUtf16(encoding) ? 2 : 1;
  std::vector<Line> lines;
  size_t pos = BomSize(encoding);
  while (pos < bytes.size()) {
    size_t at = pos;
    while (at + unit <= bytes.size() && !(bytes[at] == '\n' && (unit == 1 || bytes[at + 1] == 0))) {
      at += unit;
    }
    const bool has_break = at + unit <= bytes.size();
    if (!has_break) at = bytes.size();
    std::optional<std::string> text = DecodeHiveText(bytes.substr(pos, at - pos), encoding);
    if (!text || text->find('\0') != std::string::npos) return std::nullopt;
    const bool crlf = text->ends_with('\r');
    if (crlf) text->pop_back();
    const size_t end = has_break ? at + unit : at;
    lines.push_back({pos, end, std::move(*text), has_break, crlf});
    pos = end;
  }
  return lines;
}

bool IsExportHeader(std::string_view line) {
  line = TrimWhitespace(line);
  return StartsWithNoCase(line, "REGEDIT4") ||
         StartsWithNoCase(line, "Windows Registry Editor Version 5");
}

// Where the file assigns the value last, as line numbers, and whether its last section is the
// key's own.
struct Assignment {
  std::optional<std::pair<size_t, size_t>> lines;
  // The assignment's text before its data: the name as the file spells it, the blanks and "=".
  std::string lead;
  bool ends_in_key = false;
};

Assignment FindAssignment(const std::vector<Line>& lines, const std::string& key,
                          const std::string& name) {
  Assignment found;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = TrimWhitespace(lines[i].text);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      const bool closed = line.ends_with(']');
      std::string_view inner = closed ? line.substr(1, line.size() - 2) : std::string_view();
      found.ends_in_key = closed && !inner.starts_with('-') && NormalizeKey(inner) == key;
      continue;
    }
    if (!found.ends_in_key) continue;
    std::string_view rest = line;
    const std::optional<std::string> value_name = ReadValueName(rest);
    if (!value_name || !rest.starts_with('=') || Fold(*value_name) != name) continue;
    const std::string_view data = TrimLeadingWhitespace(rest.substr(1));
    found.lead = lines[i].text.substr(0, static_cast<size_t>(data.data() - lines[i].text.data()));
    // A hex value goes on over the lines that its backslashes continue.
    size_t last = i;
    if (StartsWithNoCase(data, "hex")) {
      while (TrimWhitespace(lines[last].text).ends_with('\\') && last + 1 < lines.size()) {
        const std::string_view next = TrimWhitespace(lines[last + 1].text);
        if (next.empty() || next[0] == '[' || next[0] == '"' || next[0] == '@') break;
        ++last;
      }
    }
    found.lines = {i, last};
    i = last;
  }
  return found;
}

bool Reads(std::string_view bytes, std::string_view key_path, std::string_view value_name,
           std::string_view value) {
  const std::optional<RegData> data = FindRegValue(bytes, key_path, value_name);
  return data && data->type == kRegSz && data->bytes == std::string(value) + '\0';
}

}  // namespace

std::optional<std::string> SetRegString(std::string_view file_bytes, std::string_view key_path,
                                        std::string_view value_name, std::string_view value) {
  try {
    constexpr std::string_view kLineBreaksAndNul("\r\n\0", 3);
    if (value.find_first_of(kLineBreaksAndNul) != value.npos ||
        value_name.find_first_of(kLineBreaksAndNul) != value_name.npos) {
      return std::nullopt;
    }
    const std::optional<HiveEncoding> encoding = DetectHiveEncoding(file_bytes);
    if (!encoding) return std::nullopt;
    const std::optional<std::vector<Line>> lines = SplitLines(file_bytes, *encoding);
    if (!lines || lines->empty() || !IsExportHeader(lines->front().text)) return std::nullopt;

    std::string eol = "\r\n";
    for (const Line& line : *lines) {
      if (line.has_break) {
        eol = line.crlf ? "\r\n" : "\n";
        break;
      }
    }
    const std::string assignment =
        (value_name.empty() ? std::string("@") : Quote(value_name)) + "=" + Quote(value);
    const Assignment found = FindAssignment(*lines, NormalizeKey(key_path), Fold(value_name));

    // In place of the current assignment, unless something after it would undo the new one.
    if (found.lines) {
      const Line& first = (*lines)[found.lines->first];
      const Line& last = (*lines)[found.lines->second];
      const std::optional<std::string> replacement =
          EncodeHiveText(found.lead + Quote(value) + (last.has_break ? eol : ""), *encoding);
      if (!replacement) return std::nullopt;
      std::string updated(file_bytes.substr(0, first.begin));
      updated += *replacement;
      updated += file_bytes.substr(last.end);
      if (Reads(updated, key_path, value_name, value)) return updated;
    }

    std::string added = lines->back().has_break ? "" : eol;
    if (!found.ends_in_key) added += eol + "[" + std::string(key_path) + "]" + eol;
    added += assignment + eol;
    const std::optional<std::string> encoded = EncodeHiveText(added, *encoding);
    if (!encoded) return std::nullopt;
    std::string updated = std::string(file_bytes) + *encoded;
    if (Reads(updated, key_path, value_name, value)) return updated;
    return std::nullopt;
  } catch (...) {
    return std::nullopt;
  }
}

HiveWrite WriteRegString(const std::string& path, std::string_view key_path,
                         std::string_view value_name, std::string_view value) {
  try {
    const std::optional<FileToRewrite> file = ReadForRewrite(path, kMaxHiveBytes);
    if (!file) return HiveWrite::kUnreadable;
    const std::string_view bytes = file->contents.empty() ? kNewHive : file->contents;
    const std::optional<std::string> updated = SetRegString(bytes, key_path, value_name, value);
    if (!updated) return HiveWrite::kUnparsable;
    gchar* folder = g_path_get_dirname(file->target.c_str());
    g_mkdir_with_parents(folder, 0700);
    g_free(folder);
    return ReplaceFile(file->target, *updated, file->mode) ? HiveWrite::kWritten
                                                           : HiveWrite::kNotWritten;
  } catch (...) {
    return HiveWrite::kNotWritten;
  }
}

}  // namespace lumetta
