#pragma once

#include <memory>

#include "app/browser_control.h"

namespace lumetta {

class UrlHistory;

// The controls of main windows over WebKitGTK. Every committed top-level page is recorded in
// `history` (may be null).
std::unique_ptr<BrowserControlFactory> CreateWebKitControlFactory(UrlHistory* history);

}  // namespace lumetta
