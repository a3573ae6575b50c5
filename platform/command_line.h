#pragma once

#include <string>

namespace lumetta {

// What `lumetta ARGUMENT` opens, given the working folder of the process that was started with
// it: a file or folder named relative to that folder becomes its full path, as a user in a
// terminal means `lumetta page.html`; anything else (an address, a full path, a name that
// exists nowhere there) stays as typed for the address rules. A path in bytes that are not
// UTF-8 becomes its file: address, other such text valid UTF-8. An Internet shortcut file
// (`收藏.url`, by its path or a file: address, as a file manager passes it) gives the address it
// holds instead.
std::string AddressFromArgument(const std::string& argument, const std::string& working_folder);

}  // namespace lumetta
