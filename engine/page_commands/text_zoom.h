#pragma once

#include <webkit2/webkit2.h>

#include <cstdint>
#include <optional>

namespace lumetta {

// The control's zoom command (ExecWB 19) over a view: five text-size levels, 0 smallest to 4
// largest, 2 the page's own size. Only text changes size; pictures and boxes keep theirs. The
// level belongs to the view, holds across its navigations and multiplies with any CSS zoom of
// the page. `input` sets the level; `output`, when given, gets the level in force. False for a
// level out of range, which changes nothing.
bool ExecTextZoom(WebKitWebView* view, std::optional<int32_t> input, int32_t* output);

}  // namespace lumetta
