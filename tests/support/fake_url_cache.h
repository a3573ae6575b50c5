#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/url_cache.h"

namespace lumetta::test {

// An Internet cache of scripted groups and entries whose calls fail where a test says.
class FakeUrlCache : public UrlCache {
 public:
  uint32_t LastError() const override { return last_error; }

  CacheFindHandle FindFirstUrlCacheGroup(uint32_t, uint32_t, CacheGroupId& group) override {
    if (missing_group_functions) return Fail(kErrMissingFunction);
    if (first_group_error) return Fail(*first_group_error);
    if (groups.empty()) return Fail(kErrorFileNotFound);
    group = groups.front();
    return Open(0);
  }

  bool FindNextUrlCacheGroup(CacheFindHandle find, CacheGroupId& group) override {
    if (next_group_failures > 0) {
      --next_group_failures;
      return Fail(next_group_error);
    }
    // Deleted groups have left the list; the search goes on after the one it gave last.
    const auto after = std::upper_bound(groups.begin(), groups.end(), searches[find]);
    if (after == groups.end()) return Fail(kErrorFileNotFound);
    group = searches[find] = *after;
    return Succeed();
  }

  bool DeleteUrlCacheGroup(CacheGroupId group, uint32_t flags) override {
    calls.push_back("DeleteGroup " + std::to_string(group) + " " + std::to_string(flags));
    if (while_deleting_group) while_deleting_group();
    if (group_delete_error) return Fail(*group_delete_error);
    std::erase(groups, group);
    return Succeed();
  }

  CacheFindHandle FindFirstUrlCacheEntry(const std::string&, CacheEntryRecord& entry,
                                         uint32_t& size) override {
    if (entries.empty()) return Fail(kErrorNoMoreItems);
    if (!Fill(entries.front(), entry, size)) return 0;
    const CacheFindHandle find = Open(0);
    listed[find] = entries;
    return find;
  }

  bool FindNextUrlCacheEntry(CacheFindHandle find, CacheEntryRecord& entry,
                             uint32_t& size) override {
    if (next_entry_error) return Fail(*next_entry_error);
    // The entries as they were when the search began, as a directory listing would give them.
    const auto next = static_cast<size_t>(searches[find] + 1);
    if (next >= listed[find].size()) return Fail(kErrorNoMoreItems);
    if (!Fill(listed[find][next], entry, size)) return false;
    searches[find] = static_cast<int64_t>(next);
    return true;
  }

  bool DeleteUrlCacheEntry(const std::string& url) override {
    calls.push_back("DeleteEntry " + url);
    if (std::erase(entries, url) == 0) return Fail(kErrorFileNotFound);
    return Succeed();
  }

  bool FindCloseUrlCache(CacheFindHandle find) override {
    calls.push_back("Close " + std::to_string(find));
    listed.erase(find);
    return searches.erase(find) > 0 ? Succeed() : Fail(6);
  }

  std::vector<CacheGroupId> groups;
  std::vector<std::string> entries;
  bool missing_group_functions = false;
  std::optional<uint32_t> first_group_error;
  std::optional<uint32_t> group_delete_error;
  int next_group_failures = 0;
  uint32_t next_group_error = 0;
  std::optional<uint32_t> next_entry_error;
  // Runs inside each group deletion, as the engine's main loop would.
  std::function<void()> while_deleting_group;
  // Deletions and closed searches, in order.
  std::vector<std::string> calls;
  uint32_t last_error = kErrorSuccess;

 private:
  CacheFindHandle Open(int64_t position) {
    searches[++last_handle] = position;
    Succeed();
    return last_handle;
  }

  bool Fill(const std::string& url, CacheEntryRecord& entry, uint32_t& size) {
    if (CacheEntryRecordBytes(url) > size) {
      size = CacheEntryRecordBytes(url);
      return Fail(kErrorInsufficientBuffer) != 0;
    }
    entry.source_url_name = url;
    return Succeed();
  }
  uint32_t Fail(uint32_t error) {
    last_error = error;
    return 0;
  }
  bool Succeed() {
    last_error = kErrorSuccess;
    return true;
  }

  CacheFindHandle last_handle = 0;
  // Per search: the last group given, or the position of the entry given last.
  std::map<CacheFindHandle, int64_t> searches;
  std::map<CacheFindHandle, std::vector<std::string>> listed;
};

}  // namespace lumetta::test
