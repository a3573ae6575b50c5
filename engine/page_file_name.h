#pragma once

#include <string>

namespace lumetta {

// The name proposed for saving a page titled `title` as a file ending in `extension` (".mht"):
// the characters that a file system refuses or that would get in the way on one ("/", NUL and
// the other control characters, and \ : * ? " < > |) become "_", leading and trailing blanks
// and dots go, and the name, extension included, is cut to whole characters within 255 bytes.
// A title with nothing left gives "无标题".
std::string PageFileName(const std::string& title, const std::string& extension);

}  // namespace lumetta
