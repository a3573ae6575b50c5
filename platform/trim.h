#pragma once

#include <string_view>

namespace lumetta {

// Blanks cut from both ends of a text, one helper for each idea of a blank. Each gives a view
// into `text`.

// Spaces, U+0020 only: tabs and other white space stay. What an address box does with the
// address it is given.
std::string_view TrimSpaces(std::string_view text);

// Spaces and ideographic spaces (U+3000), which a Chinese input method types in full-width
// mode; nothing else. What a search does with its keyword.
std::string_view TrimSpacesAndIdeographicSpaces(std::string_view text);

// White space as Unicode counts it: spaces, tabs, line ends, the ideographic and the other
// Unicode spaces, read from UTF-8. Bytes that are not UTF-8 (text in a Windows code page) are
// never blank, so a cut always falls between characters.
std::string_view TrimWhitespace(std::string_view text);
// The same from one end only.
std::string_view TrimLeadingWhitespace(std::string_view text);
std::string_view TrimTrailingWhitespace(std::string_view text);

}  // namespace lumetta
