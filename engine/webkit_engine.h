#pragma once

#include <memory>

#include "app/browser_control.h"

namespace lumetta {

class UrlCache;
class UrlHistory;
struct EngineShared;

// The engine of the process. It owns what every window shares: the web context and its
// settings, the downloads, the offline filter, the Internet cache functions over its data and,
// in the browser, the service that deletes browsing data for the Internet Options panel; and it
// makes the controls of the main windows. It outlives every control it made. Engines made one
// after the other in a process share its one web context (ProcessWebContext).
class WebKitEngine : public BrowserControlFactory {
 public:
  struct Options {
    // Where every committed top-level page is recorded; null records nothing.
    UrlHistory* history = nullptr;
    // Whether the Internet Options panel can ask this process, over the session bus, to delete
    // its browsing data.
    bool serve_options_panel = false;
  };

  // An engine that records nothing and serves no panel, for tests and benches.
  WebKitEngine();
  explicit WebKitEngine(const Options& options);
  ~WebKitEngine() override;
  WebKitEngine(const WebKitEngine&) = delete;
  WebKitEngine& operator=(const WebKitEngine&) = delete;

  std::unique_ptr<BrowserControl> Create() override;
  // The Internet cache functions over the engine's caches and the history's addresses; null
  // without a history.
  UrlCache* GetUrlCache() { return url_cache_.get(); }

 private:
  class Parts;

  std::shared_ptr<EngineShared> shared_;
  std::unique_ptr<UrlCache> url_cache_;
  std::unique_ptr<Parts> parts_;
};

}  // namespace lumetta
