#include "favorite_shortcuts.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace lumetta::bench {

bool WriteFavoriteShortcuts(const std::string& folder, int from, int count) {
  char name[128];
  char contents[256];
  for (int i = from; i < count; ++i) {
    std::snprintf(name, sizeof name, "%s/示例网站 第%05d页.url", folder.c_str(), i + 1);
    const int length = std::snprintf(
        contents, sizeof contents,
        "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,11\r\n[InternetShortcut]\r\n"
        "IDList=\r\nURL=https://www.example.com/page/%05d\r\n",
        i + 1);
    const int fd = open(name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool written = write(fd, contents, static_cast<size_t>(length)) == length;
    if (close(fd) != 0 || !written) return false;
  }
  return true;
}

}  // namespace lumetta::bench
