#pragma once

#include <optional>
#include <string>

#include "app/browser_control.h"

namespace lumetta {

// What a document says of its own title once its markup is read.
struct TitleReport {
  std::string title;
  // Whether the document has a title element: an empty title is then the document's choice.
  bool has_title_element = false;
};

// Decides which title a control reports for its page, from three sources: the engine's title,
// the document's own report, and the address. The engine empties its title when a document
// commits, before the document's title is read, so a title is reported only once it is known.
// An empty title element gives an empty title; a document without one is named by its address.
// A page of the control's own is named only by its own title, so that the window can tell it
// apart before the address would replace the caption.
class TitleInference {
 public:
  // The title to raise, when there is a new one.
  using Raise = std::optional<std::string>;

  void LoadStarted();
  void DocumentCommitted();
  // The load has finished: true when the new document must still be asked for its report
  // (Settle follows), false when the title is now known.
  bool LoadFinished();
  // The document's report arrived, or null when it could not be asked.
  Raise Settle(const std::optional<TitleReport>& report, const std::string& engine_title,
               const std::string& url, TitleSource source);
  // The engine's title changed.
  Raise EngineTitleChanged(const std::string& engine_title, const std::string& url,
                           TitleSource source);

  bool Settled() const { return settled_; }
  // The page's name: its title, or its address when it has none.
  std::string LocationName(const std::string& engine_title, const std::string& url) const;

 private:
  Raise Consider(std::string text, const std::string& url, TitleSource source);

  std::optional<std::string> last_;
  bool settled_ = false;
  bool has_title_element_ = false;
  bool committed_ = false;
};

}  // namespace lumetta
