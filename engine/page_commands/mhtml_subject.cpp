#include "engine/page_commands/mhtml_subject.h"

#include <glib.h>

#include <algorithm>
#include <string_view>

#include "platform/utf8.h"

namespace lumetta {

namespace {

constexpr std::string_view kSubject = "Subject:";
constexpr std::string_view kCrLf = "\r\n";
// A line holding encoded words has at most 76 characters. After "=?UTF-8?B?" and "?=" that
// leaves room for the base64 of 39 bytes of text beside "Subject: ", and of 45 bytes on a
// folded line of its own.
constexpr size_t kBytesInFirstWord = 39;
constexpr size_t kBytesPerWord = 45;

bool IsPrintableAscii(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

std::string EncodedWord(std::string_view bytes) {
  gchar* base64 = g_base64_encode(reinterpret_cast<const guchar*>(bytes.data()), bytes.size());
  std::string word = std::string("=?UTF-8?B?") + base64 + "?=";
  g_free(base64);
  return word;
}

// Whether the header at `line` (a line start in the header block) is the Subject header.
bool IsSubjectLine(std::string_view line) {
  return line.size() >= kSubject.size() &&
         g_ascii_strncasecmp(line.data(), kSubject.data(), kSubject.size()) == 0;
}

}  // namespace

std::string MhtmlSubjectHeader(const std::string& title) {
  std::string header(kSubject);
  if (IsPrintableAscii(title)) return header + (title.empty() ? "" : " " + title);
  // Each word holds whole characters only, as RFC 2047 requires.
  const std::string text = ValidUtf8(title);
  std::string_view rest = text;
  bool first = true;
  while (!rest.empty()) {
    const size_t room = first ? kBytesInFirstWord : kBytesPerWord;
    size_t length = 0;
    while (length < rest.size()) {
      const char* next = g_utf8_next_char(rest.data() + length);
      const auto end = static_cast<size_t>(next - rest.data());
      if (end > room && length > 0) break;
      length = end;
    }
    header += first ? " " : "\r\n ";
    header += EncodedWord(rest.substr(0, length));
    rest.remove_prefix(length);
    first = false;
  }
  return header;
}

std::string WithMhtmlSubject(const std::string& mhtml, const std::string& title) {
  const size_t block_end = mhtml.find("\r\n\r\n");
  if (block_end == std::string::npos) return mhtml;
  size_t line = 0;
  while (line <= block_end && !IsSubjectLine(std::string_view(mhtml).substr(line))) {
    line = mhtml.find(kCrLf, line) + kCrLf.size();
  }
  if (line > block_end) return mhtml;
  // The header ends at the first line end not followed by a folded continuation.
  size_t end = mhtml.find(kCrLf, line);
  while (end < block_end && (mhtml[end + 2] == ' ' || mhtml[end + 2] == '\t')) {
    end = mhtml.find(kCrLf, end + 2);
  }
  return mhtml.substr(0, line) + MhtmlSubjectHeader(title) + mhtml.substr(end);
}

}  // namespace lumetta
