#pragma once

#include <glib.h>

#include "engine/error_page.h"

namespace lumetta {

// Failures that are not the page's fault and show nothing: a stopped or superseded load, a
// response turned away, an address the engine cannot show.
bool IsQuietFailure(const GError* error);

// Which of the control's pages stands for a failed load, in a window that works offline or not.
ErrorPageKind ErrorPageKindFor(const GError* error, bool offline);

// Whether `uri` (may be null) is fetched over the network: what a window working offline refuses.
bool IsNetworkAddress(const char* uri);

}  // namespace lumetta
