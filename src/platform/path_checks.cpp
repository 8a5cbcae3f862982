#include "platform/path_checks.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quorvane::platform {

bool sameExistingFile(const std::string& first, const std::string& second) {
  struct stat a {};
  struct stat b {};
  return stat(first.c_str(), &a) == 0 && stat(second.c_str(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool directoryCanBeListed(const std::string& nativePath) {
  DIR* dir = opendir(nativePath.c_str());
  if (!dir) return false;
  closedir(dir);
  return true;
}

std::string openFailureReason(const std::string& nativePath) {
  struct stat st {};
  if (stat(nativePath.c_str(), &st) != 0) return std::strerror(errno);
  if (S_ISDIR(st.st_mode)) {
    DIR* dir = opendir(nativePath.c_str());
    if (!dir) return std::strerror(errno);
    closedir(dir);
    return {};
  }
  // O_NONBLOCK: a FIFO must not hold the program up for a question.
  const int fd = open(nativePath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return std::strerror(errno);
  close(fd);
  return {};
}

}  // namespace quorvane::platform
