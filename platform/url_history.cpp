#include "platform/url_history.h"

#include <fcntl.h>
#include <glib.h>
#include <glib/gstdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <unordered_map>
#include <utility>

#include "platform/file_io.h"
#include "platform/user_dirs.h"

namespace lumetta {
namespace {

// How much of the file's end is read: a file grown beyond the limits gives its newest lines.
constexpr size_t kMaxReadBytes = 4 * FileUrlHistory::kMaxBytes;
// A file may hold this much more than twice its addresses before it is compacted.
constexpr size_t kCompactionSlackBytes = 64u << 10;
// How long a write waits for another process's write to end. The lock is held for one write,
// so only a stopped process makes it wait that long; the write is then made later.
constexpr gint64 kLockWaitUs = 2 * G_USEC_PER_SEC;

bool MakeParentDir(const std::string& path) {
  gchar* dir = g_path_get_dirname(path.c_str());
  const bool made = g_mkdir_with_parents(dir, 0700) == 0;
  g_free(dir);
  return made;
}

bool HasScheme(std::string_view url, std::string_view scheme) {
  return url.size() > scheme.size() && url[scheme.size()] == ':' &&
         g_ascii_strncasecmp(url.data(), scheme.data(), scheme.size()) == 0;
}

// The exclusive advisory lock of the history's lock file, while it lives.
class HistoryLock {
 public:
  explicit HistoryLock(const std::string& path)
      : file_(open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600)) {
    const gint64 deadline = g_get_monotonic_time() + kLockWaitUs;
    while (file_.get() >= 0 && !held_) {
      held_ = flock(file_.get(), LOCK_EX | LOCK_NB) == 0;
      if (held_ || (errno != EWOULDBLOCK && errno != EINTR) || g_get_monotonic_time() > deadline) {
        return;
      }
      g_usleep(10 * 1000);
    }
  }
  bool Held() const { return held_; }

 private:
  FileDescriptor file_;
  bool held_ = false;
};

// Whether the open file is empty or ends a line, so that a line appended to it stands alone.
bool EndsWithLineBreak(int fd) {
  struct stat info;
  if (fstat(fd, &info) != 0) return false;
  char last = '\n';
  return info.st_size == 0 || (pread(fd, &last, 1, info.st_size - 1) == 1 && last == '\n');
}

// Moves `url` to the end of `urls`, adding it when missing.
void MoveToEnd(std::vector<std::string>& urls, const std::string& url) {
  std::erase(urls, url);
  urls.push_back(url);
}

}  // namespace

bool IsRecordableUrl(std::string_view url) {
  constexpr std::string_view kLineBreaksAndNul("\r\n\0", 3);
  return !url.empty() && url != "about:blank" && !HasScheme(url, "data") &&
         !HasScheme(url, "javascript") && url.find_first_of(kLineBreaksAndNul) == url.npos &&
         g_utf8_validate(url.data(), static_cast<gssize>(url.size()), nullptr);
}

FileUrlHistory::FileUrlHistory(std::string path) : path_(std::move(path)) {}

std::unique_ptr<FileUrlHistory> FileUrlHistory::ForThisUser() {
  return std::make_unique<FileUrlHistory>(UserDataDir() + "/lumetta/history");
}

void FileUrlHistory::Load() const {
  if (loaded_) return;
  loaded_ = true;
  entries_.clear();
  bytes_ = 0;
  file_lines_ = 0;
  file_bytes_ = 0;
  std::string contents;
  bool cut = false;
  if (ReadRegularFileTail(path_, kMaxReadBytes, contents, &cut) != ReadStatus::kRead) return;
  file_bytes_ = contents.size();
  std::string_view rest = contents;
  // A file read from part-way starts within a line.
  if (cut) rest.remove_prefix(std::min(rest.size(), rest.find('\n') + 1));
  bool skipped = cut || (!contents.empty() && !contents.ends_with('\n'));

  // Replaying the lines as visits keeps each address at its last visit.
  std::unordered_map<std::string_view, size_t> last_visit;
  while (!rest.empty()) {
    const size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == rest.npos ? rest.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (IsRecordableUrl(line)) {
      last_visit[line] = file_lines_;
    } else if (!line.empty()) {
      skipped = true;
    }
    ++file_lines_;
  }
  std::vector<std::pair<size_t, std::string_view>> visits;
  visits.reserve(last_visit.size());
  for (const auto& [url, line] : last_visit) visits.emplace_back(line, url);
  std::sort(visits.begin(), visits.end());
  for (const auto& [line, url] : visits) {
    entries_.emplace_back(url);
    bytes_ += url.size() + 1;
  }
  file_needs_rewrite_ = Trim() || skipped;
}

bool FileUrlHistory::Trim() const {
  size_t drop = 0;
  for (size_t bytes = bytes_;
       drop < entries_.size() && (entries_.size() - drop > kMaxEntries || bytes > kMaxBytes);
       ++drop) {
    bytes -= entries_[drop].size() + 1;
  }
  if (drop == 0) return false;
  for (size_t i = 0; i < drop; ++i) bytes_ -= entries_[i].size() + 1;
  entries_.erase(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(drop));
  return true;
}

void FileUrlHistory::Record(const std::string& url) {
  try {
    if (!IsRecordableUrl(url)) return;
    Load();
    std::erase(removed_, url);
    const auto known = std::find(entries_.begin(), entries_.end(), url);
    if (known != entries_.end() && std::next(known) == entries_.end()) return;
    if (known != entries_.end()) {
      entries_.erase(known);
      bytes_ -= url.size() + 1;
    }
    entries_.push_back(url);
    bytes_ += url.size() + 1;
    // What the limits drop stays in the file until it is compacted; reading it again drops the
    // same addresses.
    Trim();
    if (file_needs_rewrite_ || file_lines_ + 1 > 2 * entries_.size() + 100 ||
        file_bytes_ + url.size() + 1 > 2 * bytes_ + kCompactionSlackBytes) {
      Rewrite(&url);
    } else {
      Append(url);
    }
    signal_recorded().emit(url);
  } catch (...) {
  }
}

void FileUrlHistory::Append(const std::string& url) {
  if (MakeParentDir(path_)) {
    const HistoryLock lock(path_ + ".lock");
    // Read as well as written: the last byte tells whether a line was cut short.
    FileDescriptor file(open(path_.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0600));
    if (lock.Held() && file.get() >= 0) {
      // A line cut short by a process that died must not run into this address.
      const std::string line = (EndsWithLineBreak(file.get()) ? "" : "\n") + url + '\n';
      if (WriteAll(file.get(), line) && file.Close()) {
        ++file_lines_;
        file_bytes_ += line.size();
        return;
      }
    }
  }
  // Part of the line may have made it; the next write replaces the file.
  MoveToEnd(unstored_, url);
  file_needs_rewrite_ = true;
}

void FileUrlHistory::Rewrite(const std::string* added) {
  if (added != nullptr) MoveToEnd(unstored_, *added);
  if (unstored_.size() > kMaxEntries) unstored_.erase(unstored_.begin());
  // Until the rewrite succeeds the file may hold removed addresses: nothing may be appended to
  // it, or they would come back at the next start.
  file_needs_rewrite_ = true;
  if (!MakeParentDir(path_)) return;
  const HistoryLock lock(path_ + ".lock");
  if (!lock.Held()) return;
  if (!discard_file_) {
    // Other processes may have written since the file was read.
    loaded_ = false;
    Load();
  }
  for (const std::string& url : removed_) {
    const auto known = std::find(entries_.begin(), entries_.end(), url);
    if (known == entries_.end()) continue;
    bytes_ -= known->size() + 1;
    entries_.erase(known);
  }
  for (const std::string& url : unstored_) {
    const auto known = std::find(entries_.begin(), entries_.end(), url);
    if (known != entries_.end()) {
      entries_.erase(known);
    } else {
      bytes_ += url.size() + 1;
    }
    entries_.push_back(url);
  }
  Trim();
  std::string contents;
  for (const std::string& url : entries_) contents += url + '\n';
  if (!ReplaceFile(path_, contents, 0600)) return;
  file_lines_ = entries_.size();
  file_bytes_ = contents.size();
  file_needs_rewrite_ = false;
  discard_file_ = false;
  removed_.clear();
  unstored_.clear();
}

std::vector<std::string> FileUrlHistory::Entries() const {
  try {
    Load();
    return entries_;
  } catch (...) {
    return {};
  }
}

bool FileUrlHistory::Remove(const std::string& url) {
  try {
    Load();
    const auto known = std::find(entries_.begin(), entries_.end(), url);
    if (known == entries_.end()) return false;
    bytes_ -= known->size() + 1;
    entries_.erase(known);
    std::erase(unstored_, url);
    removed_.push_back(url);
    if (batch_depth_ == 0) Rewrite(nullptr);
    signal_removed().emit(url);
    return true;
  } catch (...) {
    return false;
  }
}

void FileUrlHistory::EndBatch() {
  if (batch_depth_ == 0 || --batch_depth_ > 0 || removed_.empty()) return;
  try {
    Rewrite(nullptr);
  } catch (...) {
  }
}

bool FileUrlHistory::Clear() {
  entries_.clear();
  loaded_ = true;
  bytes_ = 0;
  file_lines_ = 0;
  file_bytes_ = 0;
  removed_.clear();
  unstored_.clear();
  bool removed = false;
  {
    // Not while another process writes, or its rewrite could bring the addresses back.
    const HistoryLock lock(path_ + ".lock");
    removed = g_unlink(path_.c_str()) == 0 || errno == ENOENT;
  }
  // A file that cannot be removed must not bring the old addresses back later.
  discard_file_ = !removed;
  file_needs_rewrite_ = !removed;
  signal_cleared().emit();
  return removed;
}

}  // namespace lumetta
