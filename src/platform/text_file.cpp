#include "platform/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace quorvane::platform {

namespace {

// A read-only descriptor of a regular file, or -1 (FIFOs and devices are never read).
int openRegularFile(const std::string& nativePath) {
  const int fd = open(nativePath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return -1;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

bool readFirstLine(const std::string& nativePath, std::string& line, std::size_t maxBytes) {
  line.clear();
  const int fd = openRegularFile(nativePath);
  if (fd < 0) return false;
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

bool visitLines(const std::string& nativePath, std::size_t maxLineBytes,
                const std::function<bool(const std::string& line, bool cut)>& visit) {
  const int fd = openRegularFile(nativePath);
  if (fd < 0) return false;
  std::string line;
  bool pending = false;   // bytes of a line not yet handed over
  bool skipping = false;  // the rest of a line already handed over cut
  // One byte more than the maximum is held, for a CR before the LF.
  const std::size_t held = maxLineBytes + 1;
  const auto handOver = [&](bool cut) {
    if (!cut && !line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > maxLineBytes) {
      line.resize(maxLineBytes);
      cut = true;
    }
    const bool more = visit(line, cut);
    line.clear();
    pending = false;
    return more;
  };
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0) {
      close(fd);
      return false;
    }
    if (n == 0) break;
    for (std::size_t i = 0, end = static_cast<std::size_t>(n); i < end;) {
      const char* start = buffer + i;
      const auto* lf = static_cast<const char*>(std::memchr(start, '\n', end - i));
      const std::size_t take = lf ? static_cast<std::size_t>(lf - start) : end - i;
      i += take + (lf ? 1 : 0);
      if (skipping) {
        skipping = lf == nullptr;
        continue;
      }
      const std::size_t room = held - line.size();
      line.append(start, std::min(take, room));
      pending = true;
      bool more = true;
      if (take > room) {
        // Handed over at once, so that a huge line is never read through unless asked.
        more = handOver(true);
        skipping = lf == nullptr;
      } else if (lf) {
        more = handOver(false);
      }
      if (!more) {
        close(fd);
        return true;
      }
    }
  }
  close(fd);
  if (pending) handOver(false);
  return true;
}

bool readLines(const std::string& nativePath, std::vector<std::string>& lines) {
  lines.clear();
  const int fd = openRegularFile(nativePath);
  if (fd < 0) return false;
  std::string text;
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0) {
      close(fd);
      return false;
    }
    if (n == 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
  }
  close(fd);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::size_t stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    lines.emplace_back(text, start, stop - start);
    start = end + 1;
  }
  return true;
}

bool pathExists(const std::string& nativePath) {
  struct stat st {};
  return lstat(nativePath.c_str(), &st) == 0;
}

}  // namespace quorvane::platform
