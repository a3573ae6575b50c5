#pragma once

#include <optional>
#include <string>

namespace lumetta {

// Turns what a user typed into an address the engine can load: blanks around it dropped, a file
// path becomes a file: URL, text without a scheme is taken as a web address. Gives nothing for
// what the control refuses to load: blank text, and javascript: addresses.
std::optional<std::string> FixUpAddress(const std::string& text);

// The script of a javascript: address (a bookmarklet), percent-decoded; a script with a stray
// "%" is taken as written. Nothing for any other address.
std::optional<std::string> BookmarkletScript(const std::string& url);

}  // namespace lumetta
