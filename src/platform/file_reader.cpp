#include "platform/file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <typeinfo>

#include "platform/directory_handle.h"

namespace quorvane::platform {

FileReader::~FileReader() { FileReader::close(); }

namespace {

// O_NONBLOCK: opening a FIFO must not wait for a writer; it is refused just after.
constexpr int kOpenFlags = O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;

}  // namespace

bool FileReader::open(const std::string& nativePath) {
  close();
  return adopt(::open(nativePath.c_str(), kOpenFlags));
}

bool FileReader::openAt(const DirectoryHandle& directory, const char* name) {
  close();
  return adopt(::openat(directory.Descriptor(), name, kOpenFlags));
}

bool FileReader::adopt(int fd) {
  if (fd < 0) {
    lastError_ = errno;
    return false;
  }
  struct stat st {};
  const int error = fstat(fd, &st) != 0 ? errno : (S_ISREG(st.st_mode) ? 0 : EINVAL);  // no regular file
  if (error != 0) {
    lastError_ = error;
    ::close(fd);
    return false;
  }
  fd_ = fd;
  sizeAtOpen_ = static_cast<std::uint64_t>(st.st_size);
  position_ = 0;
  return true;
}

std::int64_t FileReader::read(void* buffer, std::size_t size) {
  if (fd_ < 0) return -1;
  // A read may return fewer bytes than asked before the end (network and FUSE file
  // systems); keep reading so that a short count always means the end of the file. A
  // short read that reaches the size the file had when opened is the end: no further
  // read is spent on finding that out.
  auto* bytes = static_cast<char*>(buffer);
  std::size_t filled = 0;
  while (filled < size) {
    const ssize_t n = ::read(fd_, bytes + filled, size - filled);
    if (n > 0) {
      filled += static_cast<std::size_t>(n);
      position_ += static_cast<std::uint64_t>(n);
      if (filled < size && position_ >= sizeAtOpen_) break;
    } else if (n == 0) {
      break;
    } else if (errno != EINTR) {
      lastError_ = errno;
      // Step back over what this call read, so that a retry reads the same bytes. When
      // even that fails the file can no longer be read in order: every later read fails.
      if (filled > 0 && lseek(fd_, -static_cast<off_t>(filled), SEEK_CUR) < 0) close();
      position_ -= filled;
      return -1;
    }
  }
  return static_cast<std::int64_t>(filled);
}

bool FileReader::ReadsInBatches() const { return typeid(*this) == typeid(FileReader); }

std::unique_ptr<FileReader> FileReader::another() const { return std::make_unique<FileReader>(); }

void FileReader::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

}  // namespace quorvane::platform
