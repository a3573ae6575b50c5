#include "engine/webkit_engine.h"

#include "engine/browsing_data/delete_browsing_data.h"
#include "engine/browsing_data/webkit_url_cache.h"
#include "engine/downloads/downloads.h"
#include "engine/engine_shared.h"
#include "engine/web_context.h"
#include "engine/webkit_browser_control.h"

namespace lumetta {

class WebKitEngine::Parts {
 public:
  explicit Parts(WebKitWebContext* context) : downloads(context) {}

  Downloads downloads;
};

WebKitEngine::WebKitEngine(const Options& options) : shared_(std::make_shared<EngineShared>()) {
  // Before any view or download: the sandbox must be on before the first web process starts.
  shared_->context = ProcessWebContext();
  shared_->history = options.history;
  shared_->views = std::make_unique<SpareView>(shared_->context, options.spare_view);
  parts_ = std::make_unique<Parts>(shared_->context);
  if (options.history != nullptr) {
    url_cache_ = CreateWebKitUrlCache(*options.history, shared_->context);
  }
}

WebKitEngine::WebKitEngine() : WebKitEngine(Options{}) {}

WebKitEngine::~WebKitEngine() = default;

std::unique_ptr<BrowserControl> WebKitEngine::Create() {
  return std::make_unique<WebKitBrowserControl>(shared_, nullptr);
}

void WebKitEngine::DeleteBrowsingData(uint32_t kinds, std::function<void(bool deleted)> done) {
  if (shared_->history == nullptr) {
    done(false);
    return;
  }
  lumetta::DeleteBrowsingData(*shared_->history, shared_->context, kinds, std::move(done));
}

}  // namespace lumetta
