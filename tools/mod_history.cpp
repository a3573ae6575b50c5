#include "tools/mod_history.h"

#include <string>

#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/url_cache.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {
namespace {

// The room of the entry record the find calls are offered first.
constexpr uint32_t kEntryBufferSize = 2048;
// An entry that needs more room is found again with the room it asked for; it may have grown
// once more by then.
constexpr int kEntryFindAttempts = 3;

constexpr char kError[] = "出错：";
constexpr char kNextGroupError[] = "出错： ";
constexpr char kNotice[] = "提示";

bool clearing = false;

void Say(const std::weak_ptr<void>& asker, const std::string& prompt, int style,
         const std::string& title) {
  if (asker.expired()) return;
  if (MessageBox* box = ThePlatform().message_box) box->Show(prompt, style, title);
}

void SayError(const std::weak_ptr<void>& asker, const char* text, uint32_t error) {
  Say(asker, text + std::to_string(error), kMbOk, "");
}

// Runs an entry find call, `find(size)`, offering kEntryBufferSize bytes, and again with the
// room the entry needs when that was too little.
template <typename Find>
bool FindEntry(const UrlCache& cache, Find find) {
  uint32_t size = kEntryBufferSize;
  for (int attempt = 0; attempt < kEntryFindAttempts; ++attempt) {
    if (find(size)) return true;
    if (cache.LastError() != kErrorInsufficientBuffer) return false;
  }
  return false;
}

// Deletes the search's groups from `group` on, with their entries. False when a failure ended
// the clearing.
bool DeleteGroups(UrlCache& cache, CacheFindHandle groups, CacheGroupId group,
                  const std::weak_ptr<void>& asker) {
  bool next_failed = false;
  while (true) {
    if (!cache.DeleteUrlCacheGroup(group, kCacheGroupFlagFlushUrlOnDelete) &&
        cache.LastError() != kErrMissingFunction) {
      SayError(asker, kError, cache.LastError());
      return false;
    }
    const bool found = cache.FindNextUrlCacheGroup(groups, group);
    const uint32_t error = cache.LastError();
    if (error == kErrorFileNotFound) return true;
    if (!found) {
      SayError(asker, kNextGroupError, error);
      // The same group is deleted again. A search that keeps failing would repeat the
      // message for ever.
      if (next_failed) return false;
    }
    next_failed = !found;
  }
}

bool ClearGroups(UrlCache& cache, const std::weak_ptr<void>& asker) {
  CacheGroupId group = 0;
  const CacheFindHandle groups = cache.FindFirstUrlCacheGroup(0, kCacheGroupSearchAll, group);
  if (groups == 0) {
    const uint32_t error = cache.LastError();
    if (error == kErrorFileNotFound || error == kErrMissingFunction) return true;
    SayError(asker, kError, error);
    return false;
  }
  const bool through = DeleteGroups(cache, groups, group, asker);
  cache.FindCloseUrlCache(groups);
  return through;
}

// Deletes every entry; entries that cannot be deleted are passed over.
bool ClearEntries(UrlCache& cache, const std::weak_ptr<void>& asker) {
  CacheEntryRecord entry;
  entry.struct_size = kCacheEntryRecordSize;
  CacheFindHandle entries = 0;
  const bool first = FindEntry(cache, [&](uint32_t& size) {
    entries = cache.FindFirstUrlCacheEntry("", entry, size);
    return entries != 0;
  });
  if (!first) {
    const uint32_t error = cache.LastError();
    if (error == kErrorNoMoreItems) return true;
    SayError(asker, kError, error);
    return false;
  }
  uint32_t error = kErrorSuccess;
  while (true) {
    cache.DeleteUrlCacheEntry(entry.source_url_name);
    const bool found = FindEntry(
        cache, [&](uint32_t& size) { return cache.FindNextUrlCacheEntry(entries, entry, size); });
    error = cache.LastError();
    if (!found || error == kErrorNoMoreItems) break;
  }
  // Closing the search stores what was deleted, before the user hears about it.
  cache.FindCloseUrlCache(entries);
  if (error == kErrorNoMoreItems) return true;
  SayError(asker, kError, error);
  return false;
}

}  // namespace

void mnuMainToolHistoryClearExplorer_Click(frmMain& form) {
  // The clearing under way answers for this request too.
  if (clearing) return;
  const std::weak_ptr<void> alive = form.Alive();
  int answer = kIdNo;
  if (MessageBox* box = ThePlatform().message_box) {
    answer = box->Show("确实要删除所有浏览器及Cacke记录吗？", kMbYesNo | kMbIconQuestion, kNotice);
  }
  // A window closed instead of answering has not agreed to anything.
  if (answer == kIdNo || alive.expired()) return;
  ClearHistory(alive);
}

void ClearHistory(const std::weak_ptr<void>& asker) {
  if (clearing) return;
  clearing = true;
  ClearCache(asker);
  clearing = false;
}

void ClearCache(const std::weak_ptr<void>& asker) {
  UrlCache* cache = ThePlatform().url_cache;
  if (cache == nullptr) return;
  if (!ClearGroups(*cache, asker) || !ClearEntries(*cache, asker)) return;
  Say(asker, "已经清除成功!", kMbIconInformation, kNotice);
}

}  // namespace lumetta
