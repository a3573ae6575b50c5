#pragma once

#include <string>

namespace lumetta {

enum class ErrorPageKind {
  kServerNotFound,  // the host cannot be found or reached
  kOffline,         // the window works offline and the page is not at hand
  kCrashed,         // the process showing the page ended; the page offers to load it again
  kOther,           // any other failure, with the engine's message
};

// `text` made valid UTF-8 and escaped for the text and attribute values of the control's pages.
std::string EscapedHtml(const std::string& text);

// The page the control shows in place of a document that could not be loaded. Its title is
// what the window's caption handling sees; the texts are escaped.
std::string ErrorPageHtml(ErrorPageKind kind, const std::string& url, const std::string& message);

}  // namespace lumetta
