#include "platform/file_io.h"

#include <fcntl.h>
#include <glib.h>
#include <glib/gstdio.h>
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

ReadStatus ReadRegularFile(const std::string& path, size_t max_bytes, std::string& contents,
                           mode_t* mode) {
  contents.clear();
  const FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (file.get() < 0) return errno == ENOENT ? ReadStatus::kMissing : ReadStatus::kUnreadable;
  struct stat info;
  if (fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return ReadStatus::kUnreadable;
  if (static_cast<uintmax_t>(info.st_size) > max_bytes) return ReadStatus::kTooLarge;
  if (mode != nullptr) *mode = info.st_mode;
  contents.reserve(static_cast<size_t>(info.st_size));
  char chunk[1 << 16];
  while (true) {
    const ssize_t n = read(file.get(), chunk, sizeof chunk);
    if (n == 0) return ReadStatus::kRead;
    if (n < 0) {
      if (errno == EINTR) continue;
      return ReadStatus::kUnreadable;
    }
    contents.append(chunk, static_cast<size_t>(n));
    // The file may have grown since it was measured.
    if (contents.size() > max_bytes) return ReadStatus::kTooLarge;
  }
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

int ReplaceFileContents(const std::string& path, std::string_view data) {
  gchar* dir = g_path_get_dirname(path.c_str());
  // A fixed short name: one made from a long target name could exceed the name limit.
  std::string temp = std::string(dir) + "/.lumetta-XXXXXX";
  g_free(dir);
  FileDescriptor file(g_mkstemp_full(temp.data(), O_WRONLY | O_CLOEXEC, 0666));
  if (file.get() < 0) return errno;
  struct stat existing;
  int error = 0;
  if (!WriteAll(file.get(), data) ||
      (stat(path.c_str(), &existing) == 0 && fchmod(file.get(), existing.st_mode & 07777) != 0) ||
      fsync(file.get()) != 0 || !file.Close() || rename(temp.c_str(), path.c_str()) != 0) {
    error = errno;
    g_unlink(temp.c_str());
  }
  return error;
}

}  // namespace lumetta
