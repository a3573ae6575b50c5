#include "engine/webkit_engine.h"

#include "engine/downloads/downloads.h"
#include "engine/offline_filter.h"
#include "engine/webkit_browser_control.h"

namespace lumetta {

namespace {

class WebKitControlFactory : public BrowserControlFactory {
 public:
  explicit WebKitControlFactory(UrlHistory* history) : shared_(std::make_shared<EngineShared>()) {
    shared_->history = history;
  }

  std::unique_ptr<BrowserControl> Create() override {
    return std::make_unique<WebKitBrowserControl>(shared_, nullptr);
  }

 private:
  std::shared_ptr<EngineShared> shared_;
  Downloads downloads_;
};

}  // namespace

std::unique_ptr<BrowserControlFactory> CreateWebKitControlFactory(UrlHistory* history) {
  return std::make_unique<WebKitControlFactory>(history);
}

}  // namespace lumetta
