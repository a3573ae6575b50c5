#include "app/report_error.h"

#include <glib.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumetta {
namespace {

void KeepMessage(const gchar*, GLogLevelFlags, const gchar* message, gpointer lines) {
  static_cast<std::vector<std::string>*>(lines)->push_back(message);
}

TEST(ReportErrorTest, LogsEveryReportAndHandsItToTheLatestSink) {
  std::vector<std::string> logged;
  const guint handler = g_log_set_handler("lumetta", G_LOG_LEVEL_DEBUG, &KeepMessage, &logged);
  ScopedReportSink outer;
  {
    ScopedReportSink inner;
    ReportError("GetFolderPath", 76, "路径未找到");
    EXPECT_EQ(inner.Reports(), (std::vector<ErrorReport>{{"GetFolderPath", 76, "路径未找到"}}));
  }
  ReportError("SetPageZoom", 6, "Overflow");
  g_log_remove_handler("lumetta", handler);
  EXPECT_EQ(outer.Reports(), (std::vector<ErrorReport>{{"SetPageZoom", 6, "Overflow"}}));
  EXPECT_EQ(logged,
            (std::vector<std::string>{"GetFolderPath: 76 路径未找到", "SetPageZoom: 6 Overflow"}));
}

}  // namespace
}  // namespace lumetta
