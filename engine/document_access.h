#pragma once

#include <webkit2/webkit2.h>

#include <string>

#include "app/status.h"

namespace lumetta {

// The failures of a call that are the page's or the caller's, as the runtime numbers them.
inline const int kErrTimeout = static_cast<int>(0x800705B4u);
inline const int kErrCallRejected = static_cast<int>(0x80010001u);
inline const int kErrScriptFailed = static_cast<int>(0x80004005u);

// Writes and reads a view's current document by script in the page's process, in the script
// world `world`, where page scripts cannot replace what the script calls. Each call waits for
// the page's answer for a limited time, running the main loop meanwhile: a page in a busy loop
// or held by a dialog must not hang the window. A call made again while it still waits further
// up the stack is refused.
class DocumentAccess {
 public:
  DocumentAccess(WebKitWebView* view, const char* world) : view_(view), world_(world) {}

  // Replaces the inline style of the body element. A write that reaches the page only after
  // the time limit is dropped there: a page too busy to answer is left as it was.
  Status SetBodyStyleCssText(const std::string& css_text);
  // documentElement.innerHTML.
  Status GetDocumentElementInnerHTML(std::string& markup);

 private:
  Status Call(const char* body, GVariant* arguments, bool& waiting, std::string* text);

  WebKitWebView* view_;
  const char* world_;
  bool writing_style_ = false;
  bool reading_markup_ = false;
};

}  // namespace lumetta
