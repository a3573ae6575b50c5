#pragma once

#include <string>

namespace lumetta {

// How a call that can fail went: number 0 when it worked, else the runtime's error number and
// its description, as ReportError takes them.
struct Status {
  int number = 0;
  std::string description;

  bool Failed() const { return number != 0; }
};

}  // namespace lumetta
