#pragma once

#include <string>

namespace lumetta {

// The header line (without its line end) "Subject: " followed by `title`. A title of printable
// ASCII goes in as it is; any other is written as RFC 2047 encoded words (UTF-8, base64) on
// folded lines of at most 76 characters, so that mail and MHTML readers get the title back.
std::string MhtmlSubjectHeader(const std::string& title);

// `mhtml` with the Subject header of its top-level header block replaced by
// MhtmlSubjectHeader(`title`). The engine writes that header with "?" for every character
// outside Latin-1, so Chinese titles would otherwise be lost. Unchanged when it has none.
std::string WithMhtmlSubject(const std::string& mhtml, const std::string& title);

}  // namespace lumetta
