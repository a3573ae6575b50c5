#pragma once

#include <webkit2/webkit2.h>

#include <cstdint>

namespace lumetta {

// The control's text size over a view: five levels, 0 smallest to 4 largest, 2 the page's own
// size. Only text changes size; pictures and boxes keep theirs. The level belongs to the view,
// holds across its navigations and multiplies with any CSS zoom of the page.

// Sets the level; false for a level out of range, which changes nothing.
bool SetTextZoom(WebKitWebView* view, int32_t level);
// The level in force.
int32_t TextZoomInForce(WebKitWebView* view);

}  // namespace lumetta
