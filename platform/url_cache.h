#pragma once

#include <cstdint>
#include <string>

namespace lumetta {

// Last-error codes of the cache calls.
inline constexpr uint32_t kErrorSuccess = 0;
// No more cache groups.
inline constexpr uint32_t kErrorFileNotFound = 2;
// The caller's record is too small for the entry; the size variable says what it needs.
inline constexpr uint32_t kErrorInsufficientBuffer = 122;
// No more cache entries.
inline constexpr uint32_t kErrorNoMoreItems = 259;
// The cache has no such function: the call did not run.
inline constexpr uint32_t kErrMissingFunction = 453;
// The engine did not finish in time.
inline constexpr uint32_t kErrorTimeout = 1460;
// The engine failed to clear its data.
inline constexpr uint32_t kErrorGenFailure = 31;

// Group searches and group deletion.
inline constexpr uint32_t kCacheGroupSearchAll = 0;
inline constexpr uint32_t kCacheGroupFlagFlushUrlOnDelete = 2;

// The size of the entry record the caller announces in its first field, and the room the
// record needs before the strings it holds.
inline constexpr uint32_t kCacheEntryRecordSize = 80;

// Identifies a cache group; filled in by the group find calls.
using CacheGroupId = int64_t;
// A search under way; 0 when a find-first call failed.
using CacheFindHandle = uint32_t;

// An entry record as the entry find calls fill it.
struct CacheEntryRecord {
  uint32_t struct_size = 0;
  // The key by which the entry is deleted.
  std::string source_url_name;
};

// The Internet cache that the browser control fills, searched and emptied group by group and
// entry by entry. Every call sets LastError(): kErrorSuccess when it succeeds, otherwise the
// reason. Group deletion may run the main loop until the engine is done, so callers treat it
// as a yield.
class UrlCache {
 public:
  UrlCache() = default;
  UrlCache(const UrlCache&) = delete;
  UrlCache& operator=(const UrlCache&) = delete;
  virtual ~UrlCache() = default;

  virtual uint32_t LastError() const = 0;

  // The first group matching `flags` and `filter`; 0 with kErrorFileNotFound when none.
  virtual CacheFindHandle FindFirstUrlCacheGroup(uint32_t flags, uint32_t filter,
                                                 CacheGroupId& group) = 0;
  // The next group of the search; false with kErrorFileNotFound after the last.
  virtual bool FindNextUrlCacheGroup(CacheFindHandle find, CacheGroupId& group) = 0;
  // Deletes the group, and with kCacheGroupFlagFlushUrlOnDelete its entries too.
  virtual bool DeleteUrlCacheGroup(CacheGroupId group, uint32_t flags) = 0;

  // The first entry whose address starts with `pattern` (every entry when empty). `size` holds
  // the room of the caller's record; when the entry needs more, the call fails with
  // kErrorInsufficientBuffer, sets `size` to what it needs and stays on that entry. 0 with
  // kErrorNoMoreItems when there is no entry.
  virtual CacheFindHandle FindFirstUrlCacheEntry(const std::string& pattern,
                                                 CacheEntryRecord& entry, uint32_t& size) = 0;
  // The next entry of the search, sized as above; false with kErrorNoMoreItems after the last.
  virtual bool FindNextUrlCacheEntry(CacheFindHandle find, CacheEntryRecord& entry,
                                     uint32_t& size) = 0;
  virtual bool DeleteUrlCacheEntry(const std::string& url) = 0;

  // Ends a search of either kind.
  virtual bool FindCloseUrlCache(CacheFindHandle find) = 0;
};

// The room an entry's record needs: the record and its address with the terminating NUL.
inline uint32_t CacheEntryRecordBytes(const std::string& url) {
  return kCacheEntryRecordSize + static_cast<uint32_t>(url.size()) + 1;
}

}  // namespace lumetta
