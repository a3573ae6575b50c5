#pragma once

#include <webkit2/webkit2.h>

#include <memory>

#include "engine/offline_filter.h"
#include "engine/permissions/permission_requests.h"
#include "engine/spare_view.h"

namespace lumetta {

class UrlHistory;

// What every control of the engine uses. Controls hold it, so it lives as long as the last.
struct EngineShared {
  // The web context of every main window's view: the process's one (ProcessWebContext).
  WebKitWebContext* context = nullptr;
  UrlHistory* history = nullptr;
  // Makes the views of main windows, on the context.
  std::unique_ptr<SpareView> views;
  // Compiled when a window first works offline.
  std::unique_ptr<OfflineFilter> offline_filter;
  PermissionAnswers permission_answers;
};

}  // namespace lumetta
