#pragma once

#include <gtkmm/entry.h>

namespace lumetta {

// Suggests addresses from the browsing history.
inline constexpr int kShacfUrlHistory = 2;

// Turns on auto-completion for an address box. Flags other than the URL history are ignored.
void SetAutoComplete(Gtk::Entry& box, int flags);

// Whether a history address completes what the user typed: its start, or its start after the
// scheme and a leading "www.", matched without regard to case.
bool CompletionMatches(const std::string& address, const std::string& typed);

}  // namespace lumetta
