#pragma once

#include <string>

namespace lumetta {

class frmMain;

// Sends `url` to the window's browser control, yielding to the main loop before and after.
void DoNavigate(frmMain& form, std::string url);

}  // namespace lumetta
