#include "platform/random_access_file.h"

#include <cerrno>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvane::platform {

RandomAccessFile::~RandomAccessFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool RandomAccessFile::open(const std::string& nativePath) {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  // O_NONBLOCK: opening a FIFO must not wait for a writer; it is refused below anyway.
  const int fd = ::open(nativePath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  size_ = static_cast<std::uint64_t>(st.st_size);
  return true;
}

std::size_t RandomAccessFile::readAt(std::uint64_t offset, void* buffer, std::size_t length) const {
  if (fd_ < 0) throw std::runtime_error("file not open");
  std::size_t done = 0;
  auto* out = static_cast<char*>(buffer);
  while (done < length) {
    if (offset + done > static_cast<std::uint64_t>(INT64_MAX)) break;
    const ssize_t n = ::pread(fd_, out + done, length - done, static_cast<off_t>(offset + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      throw std::runtime_error("read error");
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

}  // namespace quorvane::platform
