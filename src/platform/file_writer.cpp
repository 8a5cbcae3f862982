#include "platform/file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/file_replace.h"

namespace quorvane::platform {

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

mode_t currentUmask() {
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}

std::string directoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseNameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Failures of creating the temporary file after which writing the target in place would
// only lose the former file too: the disk or the quota is full.
bool noRoomLeft(int errorNumber) { return errorNumber == ENOSPC || errorNumber == EDQUOT; }

}  // namespace

FileWriter::~FileWriter() {
  if (fd_ >= 0) FileWriter::close();
}

bool FileWriter::open(const std::string& nativePath, WriteMode mode) {
  if (fd_ >= 0) close();
  failed_ = false;
  error_.clear();
  buffer_.clear();
  temporary_.clear();
  appending_ = mode == WriteMode::Append;
  existedBefore_ = false;
  formerLength_ = 0;
  target_ = finalLinkTarget(nativePath);

  struct stat st {};
  const bool exists = stat(target_.c_str(), &st) == 0;
  bool opened = false;
  if (mode == WriteMode::Create && (!exists || S_ISREG(st.st_mode))) {
    opened = openReplacement(target_);
    if (!opened && noRoomLeft(errno)) return fail(errno);
  }
  if (!opened && !openInPlace(target_, mode)) return fail(errno);
  existedBefore_ = exists;
  // A device or FIFO appended to is never cut nor removed.
  formerLength_ = !exists ? 0 : S_ISREG(st.st_mode) ? static_cast<std::int64_t>(st.st_size) : -1;
  buffer_.reserve(kBufferSize);
  return true;
}

bool FileWriter::openReplacement(const std::string& target) {
  std::string temporary = directoryOf(target) + "/." + baseNameOf(target) + ".XXXXXX";
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  if (stat(target.c_str(), &st) == 0) {
    // Best effort: a file of another user stays theirs when we may give it back.
    if (fchown(fd, st.st_uid, st.st_gid) != 0) { /* kept as ours */ }
    if (fchmod(fd, st.st_mode & 07777) != 0) { /* mkostemp's 0600 stays */ }
  } else if (fchmod(fd, 0666 & ~currentUmask()) != 0) { /* mkostemp's 0600 stays */ }
  fd_ = fd;
  temporary_ = std::move(temporary);
  return true;
}

bool FileWriter::openInPlace(const std::string& target, WriteMode mode) {
  const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | O_NOCTTY | (mode == WriteMode::Append ? O_APPEND : O_TRUNC);
  const int fd = ::open(target.c_str(), flags, 0666);
  if (fd < 0) return false;
  fd_ = fd;
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
  // A file system may report a failed write only when the data goes to the disk or the
  // file is closed (delayed allocation, NFS, FUSE). Devices and FIFOs cannot be synced.
  if (ok && (!temporary_.empty() || appending_) && fsync(fd_) != 0 && errno != EINVAL && errno != EROFS)
    ok = fail(errno);
  if (!ok) undo();
  if (::close(fd_) != 0 && ok) {
    ok = fail(errno);
    undo();
  }
  fd_ = -1;
  buffer_.clear();
  if (!temporary_.empty()) {
    if (ok && rename(temporary_.c_str(), target_.c_str()) != 0) ok = fail(errno);
    if (!ok) unlink(temporary_.c_str());
    temporary_.clear();
  }
  return ok && !failed_;
}

// After a failure: an appended file goes back to what it was. (A temporary file is
// removed by close.)
void FileWriter::undo() {
  if (!appending_ || formerLength_ < 0) return;
  if (!existedBefore_) {
    unlink(target_.c_str());
  } else if (fd_ >= 0 && ftruncate(fd_, formerLength_) == 0) {
    return;
  } else if (truncate(target_.c_str(), formerLength_) != 0) {
    /* nothing more can be done; the failure is already reported */
  }
  formerLength_ = -1;  // done once
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
