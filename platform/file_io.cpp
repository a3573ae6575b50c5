#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

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

}  // namespace lumetta
