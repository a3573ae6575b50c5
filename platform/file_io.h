#pragma once

#include <sys/types.h>

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace lumetta {

// An open file descriptor, closed when it goes.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor();
  int get() const { return fd_; }
  // Closes now, so that an error of the close itself is seen.
  bool Close();

 private:
  int fd_;
};

enum class ReadStatus { kRead, kMissing, kUnreadable, kTooLarge };

// Reads a regular file of at most `max_bytes`. A folder, FIFO or device in its place is
// unreadable: it must neither block nor flood the caller. `mode`, when given, gets the file's.
ReadStatus ReadRegularFile(const std::string& path, size_t max_bytes, std::string& contents,
                           mode_t* mode = nullptr);

// Reads the last `max_bytes` of a regular file, or all of a smaller one; `cut` tells whether the
// start was left out. Refuses what ReadRegularFile refuses, but for the size.
ReadStatus ReadRegularFileTail(const std::string& path, size_t max_bytes, std::string& contents,
                               bool* cut);

// Writes all of `data`, going on after interrupted and partial writes.
bool WriteAll(int fd, std::string_view data);

// Creates the regular file `path`, or empties it, and writes `data` to it. A folder, FIFO or
// device in its place is refused without blocking. False when any of it failed.
bool WriteRegularFile(const std::string& path, std::string_view data);

// The file a write to `path` goes to: the target of a symbolic link that resolves, else `path`.
std::string WriteTarget(const std::string& path);

// A file about to be rewritten: where the write goes, what it holds ("" when missing) and the
// mode a replacement keeps (none when missing).
struct FileToRewrite {
  std::string target;
  std::string contents;
  std::optional<mode_t> mode;
};
// Nothing when the file is there but cannot be read or holds more than `max_bytes`.
std::optional<FileToRewrite> ReadForRewrite(const std::string& path, size_t max_bytes);

// The name of ReplaceFile's temporary files: this prefix and six letters or digits. The dot keeps
// a leftover out of listings.
inline constexpr std::string_view kTempFilePrefix = ".lumetta-";

// Replaces the file at `path` with `data` atomically: a temporary file beside it, synced and
// given `mode` (created private when there is one), is renamed over it, so that a link at
// `path` is replaced, never written through. The temporary file is locked while it is written.
// On failure errno says why.
bool ReplaceFile(const std::string& path, std::string_view data, std::optional<mode_t> mode);

// Whether `name` is one that ReplaceFile gives its temporary files.
bool IsTempFileName(std::string_view name);

// A temporary file left alone this long after its last change may still be one just made.
inline constexpr time_t kStaleTempFileSeconds = 60;

// Removes from `folder` the user's temporary files of ReplaceFile that were left behind (by a
// process that was killed): those no process holds locked, unchanged for kStaleTempFileSeconds.
// Gives how many went.
int RemoveStaleTempFiles(const std::string& folder);

}  // namespace lumetta
