#include "engine/webkit_engine.h"

#include "engine/browsing_data/browsing_data_service.h"
#include "engine/browsing_data/webkit_url_cache.h"
#include "engine/downloads/downloads.h"
#include "engine/engine_shared.h"
#include "engine/web_context.h"
#include "engine/webkit_browser_control.h"

namespace lumetta {

class WebKitEngine::Parts {
 public:
  Parts(WebKitWebContext* context, UrlHistory* history, bool serve_options_panel)
      : downloads(context) {
    if (history != nullptr && serve_options_panel) browsing_data.emplace(*history, context);
  }

  Downloads downloads;
  std::optional<BrowsingDataService> browsing_data;
};

WebKitEngine::WebKitEngine(const Options& options) : shared_(std::make_shared<EngineShared>()) {
  // Before any view or download: the sandbox must be on before the first web process starts.
  shared_->context = ProcessWebContext();
  shared_->history = options.history;
  parts_ = std::make_unique<Parts>(shared_->context, options.history, options.serve_options_panel);
  if (options.history != nullptr) {
    url_cache_ = CreateWebKitUrlCache(*options.history, shared_->context);
  }
}

WebKitEngine::WebKitEngine() : WebKitEngine(Options{}) {}

WebKitEngine::~WebKitEngine() = default;

std::unique_ptr<BrowserControl> WebKitEngine::Create() {
  return std::make_unique<WebKitBrowserControl>(shared_, nullptr);
}

}  // namespace lumetta
