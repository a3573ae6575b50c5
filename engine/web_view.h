#pragma once

#include <webkit2/webkit2.h>

namespace lumetta {

// A new view of `context` with the settings of every main window's page, holding its own
// reference; `related` is the view whose page asked for it, or null. A related view shares its
// opener's web process, context and settings. Each view has its own `content_manager`.
WebKitWebView* NewWebView(WebKitWebContext* context, WebKitWebView* related,
                          WebKitUserContentManager* content_manager);

}  // namespace lumetta
