#pragma once

#include <string>

namespace lumetta {

// The single error sink of the routines that report their failures. Reports are discarded:
// the user sees only the message boxes the commands show themselves.
void ReportError(const std::string& routine, int number, const std::string& description);

}  // namespace lumetta
