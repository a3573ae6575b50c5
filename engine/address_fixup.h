#pragma once

#include <optional>
#include <string>

namespace lumetta {

// Turns what a user typed into an address the engine can load: blanks around it dropped, an
// empty text is about:blank, a file path becomes a file: URL, text without a scheme is taken as
// a web address. Gives nothing for addresses the control refuses to load (javascript:).
std::optional<std::string> FixUpAddress(const std::string& text);

}  // namespace lumetta
