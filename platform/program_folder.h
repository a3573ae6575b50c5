#pragma once

#include <string>

namespace lumetta {

// The folder of the running executable: the build tree and the installed tree both keep the
// program's own files (window icon, skin) beside it. "" when it cannot be had.
std::string ProgramFolder();

}  // namespace lumetta
