#include "app/report_error.h"

#include <glib.h>

namespace lumetta {

namespace {

constexpr char kLogDomain[] = "lumetta";

ScopedReportSink* sink = nullptr;

}  // namespace

void ReportError(const std::string& routine, int number, const std::string& description) {
  g_log(kLogDomain, G_LOG_LEVEL_DEBUG, "%s: %d %s", routine.c_str(), number, description.c_str());
  if (sink != nullptr) sink->reports_.push_back({routine, number, description});
}

ScopedReportSink::ScopedReportSink() : outer_(sink) { sink = this; }

ScopedReportSink::~ScopedReportSink() { sink = outer_; }

}  // namespace lumetta
