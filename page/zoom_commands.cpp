#include "page/zoom_commands.h"

#include <cstdint>
#include <cstdio>
#include <iterator>

#include "app/number_text.h"
#include "app/report_error.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {

namespace {

constexpr int kFontSizeItems = 5;
constexpr int kZoomIn = 0;
constexpr int kZoomOut = 1;
// The percentages of the fixed items, by index; the first three items have none.
constexpr const char* kFixedPercentages[] = {nullptr, nullptr, nullptr, "50",  "75",
                                             "100",   "125",   "150",   "200", "400"};

// The percentage text that item `index` produces from the window's percentage `zoom`; empty
// for the separator.
std::string PercentageText(int index, int32_t zoom) {
  if (index == kZoomIn) return NumberToText((1.0 + 0.2) * static_cast<double>(zoom));
  if (index == kZoomOut) return NumberToText((1.0 - 0.2) * static_cast<double>(zoom));
  if (index < 0 || index >= static_cast<int>(std::size(kFixedPercentages))) return {};
  const char* fixed = kFixedPercentages[index];
  return fixed != nullptr ? fixed : "";
}

// `percent` / 100 with exactly two decimals (1.20, 0.50, 4.00). The separator is always ".":
// CSS has no other, and "1,20" would void the declaration.
std::string CssQuotient(int32_t percent) {
  const int64_t magnitude = percent < 0 ? -static_cast<int64_t>(percent) : percent;
  char text[32];
  std::snprintf(text, sizeof text, "%s%lld.%02lld", percent < 0 ? "-" : "",
                static_cast<long long>(magnitude / 100), static_cast<long long>(magnitude % 100));
  return text;
}

}  // namespace

void mnuMainViewFontSizeZoom_Click(frmMain& form, int index) {
  const std::weak_ptr<void> alive = form.Alive();
  form.webMain->ExecWB(kOleCmdIdZoom, kOleCmdExecOptDontPromptUser, index);
  if (alive.expired()) return;
  CheckFontSizeMenu(form, index);
}

void CheckFontSizeMenu(frmMain& form, int index) {
  auto& items = form.mnuMainViewFontSizeZoom;
  for (int i = 0; i < kFontSizeItems; ++i) {
    if (items.Exists(i)) items(i).SetChecked(false);
  }
  if (items.Exists(index)) items(index).SetChecked(true);
}

void mnuMainViewPageZoomX_Click(frmMain& form, int index) {
  if (form.mlngPageZoom == 0) form.mlngPageZoom = 100;
  const std::string percentage = PercentageText(index, form.mlngPageZoom);
  // A text that is no 32-bit integer leaves the stored percentage as it was.
  TextToInt32(percentage, form.mlngPageZoom);
  SetPageZoom(form, percentage);
}

void SetPageZoom(frmMain& form, const std::string& percentage) {
  const Status status = ZoomPage(form.webMain.Get(), percentage);
  if (status.Failed()) ReportError("SetPageZoom", status.number, status.description);
}

Status ZoomPage(BrowserControl& control, const std::string& percentage) {
  int32_t percent = 0;
  if (Status status = TextToInt32(percentage, percent); status.Failed()) return status;
  return control.SetBodyStyleCssText("zoom:" + CssQuotient(percent) + ";");
}

}  // namespace lumetta
