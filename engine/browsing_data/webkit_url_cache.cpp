#include "engine/browsing_data/webkit_url_cache.h"

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/do_events.h"
#include "engine/browsing_data/website_data.h"
#include "platform/url_history.h"

namespace lumetta {
namespace {

// Group identifiers 1 to 4, in this order.
constexpr std::array<unsigned, 4> kGroupKinds = {kMemoryCacheData, kDiskCacheData,
                                                 kOfflineApplicationCacheData, kDomCacheData};

// Clearing takes milliseconds; an engine that has not answered by then is not going to.
constexpr unsigned kClearTimeoutMs = 30000;

struct GroupSearch {
  size_t next = 0;
};

struct EntrySearch {
  std::vector<std::string> urls;
  size_t current = 0;
};

// Runs the main loop until the engine has cleared `kinds`. The engine may answer after the
// timeout, when this frame is gone: it sees only `cleared`.
uint32_t ClearAndWait(WebKitWebContext* context, unsigned kinds) {
  auto cleared = std::make_shared<std::optional<bool>>();
  ClearWebsiteData(context, kinds, [cleared](bool done) { *cleared = done; });
  if (!RunUntil([&] { return cleared->has_value(); }, kClearTimeoutMs)) return kErrorTimeout;
  return **cleared ? kErrorSuccess : kErrorGenFailure;
}

class WebKitUrlCache : public UrlCache {
 public:
  WebKitUrlCache(UrlHistory& history, WebKitWebContext* context)
      : history_(history), context_(context) {}
  ~WebKitUrlCache() override {
    for (const auto& [handle, search] : searches_) {
      if (std::holds_alternative<EntrySearch>(search)) history_.EndBatch();
    }
  }

  uint32_t LastError() const override { return last_error_; }

  // Every group matches whatever the search asks: the engine's caches have no addresses.
  CacheFindHandle FindFirstUrlCacheGroup(uint32_t, uint32_t, CacheGroupId& group) override {
    group = 1;
    return Open(GroupSearch{1});
  }

  bool FindNextUrlCacheGroup(CacheFindHandle find, CacheGroupId& group) override {
    auto* search = Find<GroupSearch>(find);
    if (search == nullptr) return Fail(kErrorInvalidHandle);
    if (search->next >= kGroupKinds.size()) return Fail(kErrorFileNotFound);
    group = static_cast<CacheGroupId>(++search->next);
    return Succeed();
  }

  bool DeleteUrlCacheGroup(CacheGroupId group, uint32_t flags) override {
    if (group < 1 || group > static_cast<CacheGroupId>(kGroupKinds.size())) {
      return Fail(kErrorFileNotFound);
    }
    // Without the flush flag only the grouping would go, and the engine's caches are fixed.
    if ((flags & kCacheGroupFlagFlushUrlOnDelete) == 0) return Succeed();
    last_error_ = ClearAndWait(context_, kGroupKinds[static_cast<size_t>(group - 1)]);
    return last_error_ == kErrorSuccess;
  }

  CacheFindHandle FindFirstUrlCacheEntry(const std::string& pattern, CacheEntryRecord& entry,
                                         uint32_t& size) override {
    EntrySearch search;
    for (std::string& url : history_.Entries()) {
      if (url.starts_with(pattern)) search.urls.push_back(std::move(url));
    }
    if (search.urls.empty()) {
      Fail(kErrorNoMoreItems);
      return 0;
    }
    if (!Fill(search.urls.front(), entry, size)) return 0;
    // Deleting the entries one by one stores the history once, when the search ends.
    history_.BeginBatch();
    return Open(std::move(search));
  }

  bool FindNextUrlCacheEntry(CacheFindHandle find, CacheEntryRecord& entry,
                             uint32_t& size) override {
    auto* search = Find<EntrySearch>(find);
    if (search == nullptr) return Fail(kErrorInvalidHandle);
    if (search->current + 1 >= search->urls.size()) return Fail(kErrorNoMoreItems);
    if (!Fill(search->urls[search->current + 1], entry, size)) return false;
    ++search->current;
    return true;
  }

  bool DeleteUrlCacheEntry(const std::string& url) override {
    return history_.Remove(url) ? Succeed() : Fail(kErrorFileNotFound);
  }

  bool FindCloseUrlCache(CacheFindHandle find) override {
    const auto search = searches_.find(find);
    if (search == searches_.end()) return Fail(kErrorInvalidHandle);
    const bool entries = std::holds_alternative<EntrySearch>(search->second);
    searches_.erase(search);
    if (entries) history_.EndBatch();
    return Succeed();
  }

 private:
  static constexpr uint32_t kErrorInvalidHandle = 6;

  using Search = std::variant<GroupSearch, EntrySearch>;

  CacheFindHandle Open(Search search) {
    if (++last_handle_ == 0) ++last_handle_;
    searches_.emplace(last_handle_, std::move(search));
    Succeed();
    return last_handle_;
  }

  template <typename Kind>
  Kind* Find(CacheFindHandle find) {
    const auto search = searches_.find(find);
    return search == searches_.end() ? nullptr : std::get_if<Kind>(&search->second);
  }

  // Puts the entry into the caller's record if it has room; otherwise says how much it needs.
  bool Fill(const std::string& url, CacheEntryRecord& entry, uint32_t& size) {
    const uint32_t needed = CacheEntryRecordBytes(url);
    if (needed > size) {
      size = needed;
      return Fail(kErrorInsufficientBuffer);
    }
    entry.struct_size = kCacheEntryRecordSize;
    entry.source_url_name = url;
    return Succeed();
  }

  bool Succeed() {
    last_error_ = kErrorSuccess;
    return true;
  }
  bool Fail(uint32_t error) {
    last_error_ = error;
    return false;
  }

  UrlHistory& history_;
  WebKitWebContext* context_;
  uint32_t last_error_ = kErrorSuccess;
  CacheFindHandle last_handle_ = 0;
  std::map<CacheFindHandle, Search> searches_;
};

}  // namespace

std::unique_ptr<UrlCache> CreateWebKitUrlCache(UrlHistory& history, WebKitWebContext* context) {
  return std::make_unique<WebKitUrlCache>(history, context);
}

}  // namespace lumetta
