#include "platform/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvane::platform {

bool readFirstLine(const std::string& nativePath, std::string& line, std::size_t maxBytes) {
  line.clear();
  const int fd = open(nativePath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return false;
  }
  char buffer[512];
  bool done = false;
  while (!done && line.size() < maxBytes) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) break;
    for (ssize_t i = 0; i < n; ++i) {
      if (buffer[i] == '\n' || buffer[i] == '\r') {
        done = true;
        break;
      }
      line += buffer[i];
    }
  }
  close(fd);
  return true;
}

}  // namespace quorvane::platform
