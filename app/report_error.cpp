#include "app/report_error.h"

namespace lumetta {

void ReportError(const std::string&, int, const std::string&) {}

}  // namespace lumetta
