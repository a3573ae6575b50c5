#pragma once

#include <webkit2/webkit2.h>

#include <functional>
#include <optional>

#include "engine/title_inference.h"

namespace lumetta {

// The script world of the control's own scripts, which page scripts cannot reach: a page cannot
// fake the reports below or replace what the control's scripts call.
inline constexpr char kControlScriptWorld[] = "lumetta";

// Every document shown in a content manager's views reports, from the control's own world:
// a frame document its address once loaded ("script-message-received::frameLoad"), the top
// document its TitleReport once its markup is read ("script-message-received::documentTitle").
// The top document's completion is the view's own load event.
void InstallFrameReports(WebKitUserContentManager* content_manager);

// Asks the view's current document for its TitleReport. `answer` gets it, or nothing when the
// document could not be asked; it is not called once `cancellable` is cancelled.
void QueryTitleReport(WebKitWebView* view, GCancellable* cancellable,
                      std::function<void(const std::optional<TitleReport>&)> answer);

// The report carried by a documentTitle message; none for anything else.
std::optional<TitleReport> ReadTitleReport(JSCValue* value);

}  // namespace lumetta
