#include "platform/skin_sheet.h"

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <glib.h>

#include <cstdlib>

#include "platform/file_io.h"

namespace lumetta {
namespace {

// The scanner follows GTK 3's parser where it matters: comments, strings and their escapes, and
// `url(` in any case with blanks or comments before its one quoted argument. Whatever it cannot
// read as GTK would refuses the sheet.

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\r' || c == '\n'; }

bool StartsWithNoCase(std::string_view text, size_t pos, std::string_view word) {
  return text.size() - pos >= word.size() &&
         g_ascii_strncasecmp(text.data() + pos, word.data(), word.size()) == 0;
}

// Moves `pos` past a comment starting there; false when it does not end.
bool SkipComment(std::string_view text, size_t& pos) {
  const size_t end = text.find("*/", pos + 2);
  if (end == std::string_view::npos) return false;
  pos = end + 2;
  return true;
}

bool SkipBlanksAndComments(std::string_view text, size_t& pos) {
  while (pos < text.size()) {
    if (IsBlank(text[pos])) {
      ++pos;
    } else if (text.substr(pos, 2) == "/*") {
      if (!SkipComment(text, pos)) return false;
    } else {
      break;
    }
  }
  return true;
}

// Reads the escape at `pos` (a backslash) into `value`: up to six hex digits for a character,
// followed by one optional blank, or an escaped newline, or the next character as it is.
bool Unescape(std::string_view text, size_t& pos, std::string& value) {
  ++pos;
  size_t digits = 0;
  gunichar code = 0;
  while (digits < 6 && pos + digits < text.size() && g_ascii_isxdigit(text[pos + digits])) {
    code = code * 16 + static_cast<gunichar>(g_ascii_xdigit_value(text[pos + digits]));
    ++digits;
  }
  if (digits > 0) {
    // A NUL would cut the name short where GTK reads it.
    if (code == 0 || !g_unichar_validate(code)) return false;
    char utf8[6];
    value.append(utf8, static_cast<size_t>(g_unichar_to_utf8(code, utf8)));
    pos += digits;
    if (text.substr(pos, 2) == "\r\n") {
      pos += 2;
    } else if (pos < text.size() && IsBlank(text[pos])) {
      ++pos;
    }
    return true;
  }
  if (text.substr(pos, 2) == "\r\n") {
    pos += 2;
  } else if (pos < text.size() && (text[pos] == '\r' || text[pos] == '\n')) {
    ++pos;
  } else if (pos < text.size()) {
    value += text[pos++];
  }
  return true;
}

// Reads the quoted string starting at `pos` into `value`; false when it does not end.
bool ReadString(std::string_view text, size_t& pos, std::string& value) {
  const char quote = text[pos++];
  while (pos < text.size()) {
    const char c = text[pos];
    if (c == quote) {
      ++pos;
      return true;
    }
    if (c == '\n' || c == '\r' || c == '\f') return false;
    if (c == '\\') {
      if (!Unescape(text, pos, value)) return false;
    } else {
      value += c;
      ++pos;
    }
  }
  return false;
}

std::string RealPath(const std::string& path) {
  char* real = realpath(path.c_str(), nullptr);
  if (real == nullptr) return {};
  std::string result(real);
  free(real);
  return result;
}

struct ImageDimensions {
  int width = 0;
  int height = 0;
};

void OnSizePrepared(GdkPixbufLoader* loader, int width, int height, gpointer found) {
  auto* dimensions = static_cast<ImageDimensions*>(found);
  dimensions->width = width;
  dimensions->height = height;
  gdk_pixbuf_loader_set_size(loader, 0, 0);
}

// A loader for the image format that the extension of `path` names, or null. The format goes by
// the name rather than the bytes, which the loader then checks.
GdkPixbufLoader* LoaderFor(const std::string& path) {
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return nullptr;
  const std::string extension = path.substr(dot + 1);
  GdkPixbufLoader* loader = nullptr;
  GSList* formats = gdk_pixbuf_get_formats();
  for (GSList* item = formats; item != nullptr && loader == nullptr; item = item->next) {
    auto* format = static_cast<GdkPixbufFormat*>(item->data);
    gchar** extensions = gdk_pixbuf_format_get_extensions(format);
    for (gchar** known = extensions; *known != nullptr && loader == nullptr; ++known) {
      if (g_ascii_strcasecmp(*known, extension.c_str()) != 0) continue;
      gchar* name = gdk_pixbuf_format_get_name(format);
      loader = gdk_pixbuf_loader_new_with_type(name, nullptr);
      g_free(name);
    }
    g_strfreev(extensions);
  }
  g_slist_free(formats);
  return loader;
}

// The size of the image `data` read from `path` without decoding it: the loader is told to make
// nothing.
bool ImageSize(const std::string& path, const std::string& data, int& width, int& height) {
  GdkPixbufLoader* loader = LoaderFor(path);
  if (loader == nullptr) return false;
  ImageDimensions size;
  g_signal_connect(loader, "size-prepared", G_CALLBACK(&OnSizePrepared), &size);
  constexpr size_t kChunk = 4096;
  for (size_t pos = 0; pos < data.size() && size.width == 0; pos += kChunk) {
    const size_t length = std::min(kChunk, data.size() - pos);
    if (!gdk_pixbuf_loader_write(loader, reinterpret_cast<const guchar*>(data.data() + pos), length,
                                 nullptr)) {
      break;
    }
  }
  // Scalable formats tell their size only when the data ends.
  gdk_pixbuf_loader_close(loader, nullptr);
  g_object_unref(loader);
  width = size.width;
  height = size.height;
  return width > 0 && height > 0;
}

// The address of the image `name` given in the sheet of the skin in `real_folder`, when it is
// one the skin may use.
std::optional<std::string> CheckedImage(const std::string& name, const std::string& real_folder) {
  std::string path;
  if (gchar* scheme = g_uri_parse_scheme(name.c_str())) {
    const bool is_file = g_ascii_strcasecmp(scheme, "file") == 0;
    g_free(scheme);
    gchar* local = is_file ? g_filename_from_uri(name.c_str(), nullptr, nullptr) : nullptr;
    if (local == nullptr) return std::nullopt;
    path = local;
    g_free(local);
  } else {
    path = g_path_is_absolute(name.c_str()) ? name : real_folder + "/" + name;
  }
  const std::string real = RealPath(path);
  if (!real.starts_with(real_folder + "/")) return std::nullopt;
  std::string data;
  if (ReadRegularFile(real, kMaxSkinImageBytes, data) != ReadStatus::kRead) return std::nullopt;
  int width = 0;
  int height = 0;
  if (!ImageSize(real, data, width, height) || width > kMaxSkinImagePixels ||
      height > kMaxSkinImagePixels) {
    return std::nullopt;
  }
  gchar* uri = g_filename_to_uri(real.c_str(), nullptr, nullptr);
  if (uri == nullptr) return std::nullopt;
  std::string result(uri);
  g_free(uri);
  return result;
}

// Counts the selectors of the rules at the top level: their preludes' commas, plus one.
class SelectorCount {
 public:
  void See(char c) {
    if (c == '{') {
      if (depth_ == 0 && !at_rule_) count_ += commas_ + 1;
      ++depth_;
      return;
    }
    if (c == '}') {
      if (depth_ > 0) --depth_;
      if (depth_ == 0) Restart();
      return;
    }
    if (depth_ > 0) return;
    if (c == ';') {
      Restart();
    } else if (c == '@' && !started_) {
      at_rule_ = true;
    } else if (c == '(') {
      ++parentheses_;
    } else if (c == ')' && parentheses_ > 0) {
      --parentheses_;
    } else if (c == ',' && parentheses_ == 0) {
      ++commas_;
    }
    if (!IsBlank(c)) started_ = true;
  }
  // Text that holds no brace, semicolon or comma, such as a string.
  void SeeText() { started_ = true; }
  size_t Count() const { return count_; }

 private:
  void Restart() {
    started_ = false;
    at_rule_ = false;
    commas_ = 0;
    parentheses_ = 0;
  }

  size_t count_ = 0;
  int depth_ = 0;
  bool started_ = false;
  bool at_rule_ = false;
  size_t commas_ = 0;
  int parentheses_ = 0;
};

}  // namespace

std::optional<std::string> CheckSkinSheet(std::string_view sheet, const std::string& folder) {
  // An import is refused in any spelling and anywhere, comments included: GTK reads the imported
  // file while it parses, before anything could look at it.
  for (size_t pos = 0; pos < sheet.size(); ++pos) {
    if (StartsWithNoCase(sheet, pos, "@import")) return std::nullopt;
  }
  const std::string real_folder = RealPath(folder);
  if (real_folder.empty()) return std::nullopt;
  std::string checked;
  checked.reserve(sheet.size());
  SelectorCount selectors;
  size_t copied = 0;
  size_t pos = 0;
  while (pos < sheet.size()) {
    const char c = sheet[pos];
    if (sheet.substr(pos, 2) == "/*") {
      if (!SkipComment(sheet, pos)) return std::nullopt;
    } else if (c == '"' || c == '\'') {
      std::string ignored;
      if (!ReadString(sheet, pos, ignored)) return std::nullopt;
      selectors.SeeText();
    } else if (c == '\\') {
      std::string ignored;
      if (!Unescape(sheet, pos, ignored)) return std::nullopt;
      selectors.SeeText();
    } else if (StartsWithNoCase(sheet, pos, "url")) {
      size_t end = pos + 3;
      if (!SkipBlanksAndComments(sheet, end)) return std::nullopt;
      if (end == sheet.size() || sheet[end] != '(') {
        selectors.SeeText();
        pos += 3;
        continue;
      }
      ++end;
      std::string name;
      if (!SkipBlanksAndComments(sheet, end) || end == sheet.size() ||
          (sheet[end] != '"' && sheet[end] != '\'') || !ReadString(sheet, end, name) ||
          !SkipBlanksAndComments(sheet, end) || end == sheet.size() || sheet[end] != ')') {
        return std::nullopt;
      }
      const std::optional<std::string> image = CheckedImage(name, real_folder);
      if (!image) return std::nullopt;
      checked.append(sheet.substr(copied, pos - copied));
      checked += "url(\"" + *image + "\")";
      pos = copied = end + 1;
      selectors.SeeText();
    } else {
      selectors.See(c);
      if (selectors.Count() > kMaxSkinSelectors) return std::nullopt;
      ++pos;
    }
  }
  checked.append(sheet.substr(copied));
  return checked;
}

}  // namespace lumetta
