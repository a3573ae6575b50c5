#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "app/browser_control.h"

namespace lumetta {

class UrlCache;
class UrlHistory;
struct EngineShared;

// The engine of the process. It owns what every window shares: the web context and its
// settings, the downloads, the offline filter, and the Internet cache functions over its data;
// and it makes the controls of the main windows. It outlives every control it made. Engines
// made one after the other in a process share its one web context (ProcessWebContext).
class WebKitEngine : public BrowserControlFactory {
 public:
  struct Options {
    // Where every committed top-level page is recorded; null records nothing.
    UrlHistory* history = nullptr;
    // Whether the next main window's view is made ahead, with its web process started, once
    // the last one has loaded its first page (SpareView): one web process more, and a new
    // window that shows its page sooner.
    bool spare_view = false;
  };

  // An engine that records nothing, for tests and benches.
  WebKitEngine();
  explicit WebKitEngine(const Options& options);
  ~WebKitEngine() override;
  WebKitEngine(const WebKitEngine&) = delete;
  WebKitEngine& operator=(const WebKitEngine&) = delete;

  std::unique_ptr<BrowserControl> Create() override;
  // The Internet cache functions over the engine's caches and the history's addresses; null
  // without a history.
  UrlCache* GetUrlCache() { return url_cache_.get(); }
  // Deletes the `kinds` of browsing data (kVisitedAddresses...) of the history and the engine,
  // then calls `done` from the main loop with whether all of it went; false at once without a
  // history.
  void DeleteBrowsingData(uint32_t kinds, std::function<void(bool deleted)> done);

 private:
  class Parts;

  std::shared_ptr<EngineShared> shared_;
  std::unique_ptr<UrlCache> url_cache_;
  std::unique_ptr<Parts> parts_;
};

}  // namespace lumetta
