#include "platform/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <glib.h>
#include <glib/gstdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace lumetta {

FileDescriptor::~FileDescriptor() {
  if (fd_ >= 0) close(fd_);
}

bool FileDescriptor::Close() {
  const int fd = std::exchange(fd_, -1);
  return close(fd) == 0;
}

namespace {

// Reads from `fd`'s current offset to the end, or until `max_bytes`; false on an error.
bool ReadRest(int fd, size_t max_bytes, std::string& contents) {
  char chunk[1 << 16];
  while (true) {
    const ssize_t n = read(fd, chunk, sizeof chunk);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    contents.append(chunk, static_cast<size_t>(n));
    // The file may have grown since it was measured.
    if (contents.size() > max_bytes) {
      contents.resize(max_bytes);
      return true;
    }
  }
}

// Opens a regular file for reading: a folder, FIFO or device in its place must neither block nor
// flood the caller.
ReadStatus OpenRegularFile(const std::string& path, int& fd, struct stat& info) {
  fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return errno == ENOENT ? ReadStatus::kMissing : ReadStatus::kUnreadable;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return ReadStatus::kUnreadable;
  return ReadStatus::kRead;
}

}  // namespace

ReadStatus ReadRegularFile(const std::string& path, size_t max_bytes, std::string& contents,
                           mode_t* mode) {
  contents.clear();
  int fd = -1;
  struct stat info;
  const ReadStatus status = OpenRegularFile(path, fd, info);
  const FileDescriptor file(fd);
  if (status != ReadStatus::kRead) return status;
  if (static_cast<uintmax_t>(info.st_size) > max_bytes) return ReadStatus::kTooLarge;
  if (mode != nullptr) *mode = info.st_mode;
  contents.reserve(static_cast<size_t>(info.st_size));
  if (!ReadRest(file.get(), max_bytes + 1, contents)) return ReadStatus::kUnreadable;
  return contents.size() > max_bytes ? ReadStatus::kTooLarge : ReadStatus::kRead;
}

ReadStatus ReadRegularFileTail(const std::string& path, size_t max_bytes, std::string& contents,
                               bool* cut) {
  contents.clear();
  *cut = false;
  int fd = -1;
  struct stat info;
  const ReadStatus status = OpenRegularFile(path, fd, info);
  const FileDescriptor file(fd);
  if (status != ReadStatus::kRead) return status;
  if (static_cast<uintmax_t>(info.st_size) > max_bytes) {
    if (lseek(file.get(), info.st_size - static_cast<off_t>(max_bytes), SEEK_SET) < 0) {
      return ReadStatus::kUnreadable;
    }
    *cut = true;
  }
  contents.reserve(std::min(static_cast<size_t>(info.st_size), max_bytes));
  return ReadRest(file.get(), max_bytes, contents) ? ReadStatus::kRead : ReadStatus::kUnreadable;
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

bool WriteRegularFile(const std::string& path, std::string_view data) {
  FileDescriptor file(
      open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666));
  if (file.get() < 0) return false;
  struct stat info;
  if (fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  return WriteAll(file.get(), data) && file.Close();
}

std::string WriteTarget(const std::string& path) {
  struct stat info;
  if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char* resolved = realpath(path.c_str(), nullptr);
  if (resolved == nullptr) return path;
  std::string target(resolved);
  free(resolved);
  return target;
}

std::optional<FileToRewrite> ReadForRewrite(const std::string& path, size_t max_bytes) {
  FileToRewrite file{WriteTarget(path), {}, {}};
  mode_t mode = 0;
  switch (ReadRegularFile(file.target, max_bytes, file.contents, &mode)) {
    case ReadStatus::kRead:
      file.mode = mode;
      return file;
    case ReadStatus::kMissing:
      return file;
    case ReadStatus::kUnreadable:
    case ReadStatus::kTooLarge:
      break;
  }
  return std::nullopt;
}

bool ReplaceFile(const std::string& path, std::string_view data, std::optional<mode_t> mode) {
  gchar* dir = g_path_get_dirname(path.c_str());
  std::string temp = std::string(dir) + "/" + std::string(kTempFilePrefix) + "XXXXXX";
  g_free(dir);
  // A file meant to be private is never readable by others, not even while it is written.
  const int fd = g_mkstemp_full(temp.data(), O_WRONLY | O_CLOEXEC, mode ? 0600 : 0666);
  if (fd < 0) return false;
  FileDescriptor file(fd);
  // Held until the file has its name: RemoveStaleTempFiles leaves a locked file alone.
  bool written = flock(fd, LOCK_EX) == 0 && WriteAll(fd, data) &&
                 (!mode || fchmod(fd, *mode & 07777) == 0) && fsync(fd) == 0;
  if (written && rename(temp.c_str(), path.c_str()) == 0) return file.Close();
  const int error = errno;
  g_unlink(temp.c_str());
  errno = error;
  return false;
}

bool IsTempFileName(std::string_view name) {
  if (!name.starts_with(kTempFilePrefix) || name.size() != kTempFilePrefix.size() + 6) return false;
  return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(kTempFilePrefix.size()), name.end(),
                     [](char c) { return g_ascii_isalnum(c); });
}

int RemoveStaleTempFiles(const std::string& folder) {
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
  if (!dir) return 0;
  const time_t now = time(nullptr);
  int removed = 0;
  while (const dirent* entry = readdir(dir.get())) {
    if (!IsTempFileName(entry->d_name)) continue;
    // Neither a link followed nor a FIFO waited on: only regular files of this user go.
    const FileDescriptor file(openat(dirfd(dir.get()), entry->d_name,
                                     O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info;
    if (file.get() < 0 || fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_uid != geteuid() || now - info.st_mtime < kStaleTempFileSeconds ||
        flock(file.get(), LOCK_EX | LOCK_NB) != 0) {
      continue;
    }
    // The name may have been given to another file since it was opened.
    struct stat named;
    if (fstatat(dirfd(dir.get()), entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        named.st_dev == info.st_dev && named.st_ino == info.st_ino &&
        unlinkat(dirfd(dir.get()), entry->d_name, 0) == 0) {
      ++removed;
    }
  }
  return removed;
}

}  // namespace lumetta
