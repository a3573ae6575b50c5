#pragma once

#include <string>
#include <vector>

namespace lumetta {

// The single error sink of the routines that report their failures. The user sees nothing: the
// commands show only their own message boxes. A report goes to the debug log of the domain
// "lumetta" as "routine: number description" (shown with G_MESSAGES_DEBUG=lumetta), and to the
// ScopedReportSink in force, if any.
void ReportError(const std::string& routine, int number, const std::string& description);

// One call of ReportError.
struct ErrorReport {
  std::string routine;
  int number = 0;
  std::string description;

  bool operator==(const ErrorReport&) const = default;
};

// Keeps the reports made while it exists, for a test to look at; a sink made later takes them
// until it is gone. Reports still go to the log.
class ScopedReportSink {
 public:
  ScopedReportSink();
  ~ScopedReportSink();
  ScopedReportSink(const ScopedReportSink&) = delete;
  ScopedReportSink& operator=(const ScopedReportSink&) = delete;

  const std::vector<ErrorReport>& Reports() const { return reports_; }

 private:
  friend void ReportError(const std::string&, int, const std::string&);

  ScopedReportSink* outer_;
  std::vector<ErrorReport> reports_;
};

}  // namespace lumetta
