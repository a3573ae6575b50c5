#include "engine/page_commands/text_zoom.h"

#include <cmath>
#include <iterator>

namespace lumetta {

namespace {

// The text sizes of the levels against the page's own: the steps of 8, 10, 12, 14 and 16 point
// type over 12, so that each level differs visibly from the next.
constexpr double kLevelScales[] = {8.0 / 12, 10.0 / 12, 1.0, 14.0 / 12, 16.0 / 12};
constexpr int kLevelCount = static_cast<int>(std::size(kLevelScales));

}  // namespace

bool SetTextZoom(WebKitWebView* view, int32_t level) {
  if (level < 0 || level >= kLevelCount) return false;
  // The view's zoom then scales text alone, and never the page's layout.
  webkit_settings_set_zoom_text_only(webkit_web_view_get_settings(view), TRUE);
  webkit_web_view_set_zoom_level(view, kLevelScales[level]);
  return true;
}

int32_t TextZoomInForce(WebKitWebView* view) {
  const double scale = webkit_web_view_get_zoom_level(view);
  int nearest = 0;
  for (int level = 1; level < kLevelCount; ++level) {
    if (std::abs(kLevelScales[level] - scale) < std::abs(kLevelScales[nearest] - scale)) {
      nearest = level;
    }
  }
  return nearest;
}

}  // namespace lumetta
