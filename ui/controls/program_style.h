#pragma once

namespace lumetta {

// Adds `css` to the style of every window of the program, above the theme and any skin, once
// however often it is called. The control kinds keep their classic sizes with it.
void AddProgramStyle(const char* css);

}  // namespace lumetta
