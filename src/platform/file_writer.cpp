#include "platform/file_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quorvane::platform {

namespace {
constexpr std::size_t kBufferSize = 64 * 1024;
}

FileWriter::~FileWriter() {
  if (fd_ >= 0) FileWriter::close();
}

bool FileWriter::open(const std::string& nativePath, WriteMode mode) {
  if (fd_ >= 0) close();
  failed_ = false;
  error_.clear();
  buffer_.clear();
  const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | O_NOCTTY | (mode == WriteMode::Append ? O_APPEND : O_TRUNC);
  const int fd = ::open(nativePath.c_str(), flags, 0666);
  if (fd < 0) return fail(errno);
  fd_ = fd;
  buffer_.reserve(kBufferSize);
  return true;
}

bool FileWriter::write(std::string_view bytes) {
  if (fd_ < 0 || failed_) return false;
  if (buffer_.size() + bytes.size() > kBufferSize) {
    if (!flush()) return false;
    if (bytes.size() >= kBufferSize) return writeOut(bytes.data(), bytes.size());
  }
  buffer_.append(bytes);
  return true;
}

bool FileWriter::flush() {
  if (fd_ < 0 || failed_) return false;
  const bool ok = writeOut(buffer_.data(), buffer_.size());
  buffer_.clear();
  return ok;
}

bool FileWriter::close() {
  if (fd_ < 0) return false;
  bool ok = flush();
  // Some file systems (NFS, FUSE) report a failed write only when the file is closed.
  if (::close(fd_) != 0 && ok) ok = fail(errno);
  fd_ = -1;
  buffer_.clear();
  return ok && !failed_;
}

bool FileWriter::writeOut(const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd_, data, size);
    if (n > 0) {
      data += n;
      size -= static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      // A write of zero bytes would repeat forever: a device that takes nothing is full.
      return fail(n == 0 ? ENOSPC : errno);
    }
  }
  return true;
}

bool FileWriter::fail(int errorNumber) {
  if (!failed_) error_ = std::strerror(errorNumber);
  failed_ = true;
  return false;
}

}  // namespace quorvane::platform
