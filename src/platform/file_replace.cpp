#include "platform/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace quorvane::platform {

namespace {

bool fail(std::string* error, const std::string& what) {
  if (error) *error = what + ": " + std::strerror(errno);
  return false;
}

}  // namespace

std::string finalLinkTarget(const std::string& path) {
  std::string current = path;
  for (int hops = 0; hops < 40; ++hops) {
    char buffer[PATH_MAX];
    const ssize_t n = readlink(current.c_str(), buffer, sizeof buffer - 1);
    if (n < 0) return current;
    std::string target(buffer, static_cast<std::size_t>(n));
    if (target.empty() || target.front() != '/') {
      const std::size_t slash = current.rfind('/');
      target = (slash == std::string::npos ? std::string() : current.substr(0, slash + 1)) + target;
    }
    current = std::move(target);
  }
  return current;
}

namespace {

bool makeParents(const std::string& path) {
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
    const std::string dir = path.substr(0, slash);
    if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  return true;
}

mode_t currentUmask() {
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}

}  // namespace

bool replaceFileContents(const std::string& path, std::string_view contents, std::string* error) {
  const std::string target = finalLinkTarget(path);
  if (!makeParents(target)) return fail(error, "cannot create the folder of " + target);

  struct stat existing {};
  const mode_t mode = stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : (0666 & ~currentUmask());

  std::string temporary = target + ".XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return fail(error, "cannot create a temporary file beside " + target);
  const auto abandon = [&](const std::string& what) {
    const int saved = errno;
    close(fd);
    unlink(temporary.c_str());
    errno = saved;
    return fail(error, what);
  };
  if (fchmod(fd, mode) != 0) return abandon("cannot set the permissions of " + temporary);
  std::size_t done = 0;
  while (done < contents.size()) {
    const ssize_t n = write(fd, contents.data() + done, contents.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return abandon("cannot write " + temporary);
    }
    done += static_cast<std::size_t>(n);
  }
  if (fsync(fd) != 0) return abandon("cannot flush " + temporary);
  if (close(fd) != 0) {
    const int saved = errno;
    unlink(temporary.c_str());
    errno = saved;
    return fail(error, "cannot close " + temporary);
  }
  if (rename(temporary.c_str(), target.c_str()) != 0) {
    const int saved = errno;
    unlink(temporary.c_str());
    errno = saved;
    return fail(error, "cannot replace " + target);
  }
  return true;
}

bool readWholeFile(const std::string& path, std::string& contents) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return false;
  }
  contents.clear();
  char buffer[16384];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      close(fd);
      return false;
    }
    if (n == 0) break;
    contents.append(buffer, static_cast<std::size_t>(n));
  }
  close(fd);
  return true;
}

}  // namespace quorvane::platform
