#include "platform/local_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

#include "platform/tick_count.h"

namespace quorvane::platform {

namespace {

constexpr std::string_view kStagedPrefix = ".quorvane\\";
constexpr std::string_view kStagedSuffix = ".tmp";

PathKind kindOf(mode_t mode) {
  if (S_ISREG(mode)) return PathKind::Regular;
  if (S_ISDIR(mode)) return PathKind::Directory;
  return PathKind::Special;
}

bool writeAll(int fd, const char* data, std::size_t size, int* error) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n > 0) {
      data += n;
      size -= static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      // A write that takes nothing would repeat forever: the device is full.
      *error = n == 0 ? ENOSPC : errno;
      return false;
    }
  }
  return true;
}

class LocalSourceFile : public SourceFile {
 public:
  LocalSourceFile(int fd, const struct stat& st)
      : fd_(fd), modified_{st.st_mtim.tv_sec, st.st_mtim.tv_nsec}, mode_(st.st_mode & 07777) {}
  ~LocalSourceFile() override { ::close(fd_); }

  std::int64_t read(void* buffer, std::size_t size, int* error) override {
    auto* bytes = static_cast<char*>(buffer);
    std::size_t filled = 0;
    // Short counts before the end (network and FUSE file systems) are read on, so that a
    // short count always means the end of the file.
    while (filled < size) {
      const ssize_t n = ::read(fd_, bytes + filled, size - filled);
      if (n > 0) {
        filled += static_cast<std::size_t>(n);
      } else if (n == 0) {
        break;
      } else if (errno != EINTR) {
        *error = errno;
        if (filled > 0) lseek(fd_, position_, SEEK_SET);
        return -1;
      }
    }
    position_ += static_cast<off_t>(filled);
    return static_cast<std::int64_t>(filled);
  }

  bool seek(std::uint64_t position) override {
    if (lseek(fd_, static_cast<off_t>(position), SEEK_SET) < 0) return false;
    position_ = static_cast<off_t>(position);
    return true;
  }

  FileTime modified() const override { return modified_; }
  std::uint32_t mode() const override { return mode_; }

  int descriptor() const { return fd_; }
  off_t position() const { return position_; }
  void advanced(off_t count) { position_ += count; }

 private:
  int fd_;
  off_t position_ = 0;
  FileTime modified_;
  std::uint32_t mode_;
};

class LocalStagedFile : public StagedFile {
 public:
  LocalStagedFile(int fd, std::string temporary, std::string destination)
      : fd_(fd), temporary_(std::move(temporary)), destination_(std::move(destination)) {}
  ~LocalStagedFile() override { LocalStagedFile::discard(); }

  bool write(const void* data, std::size_t size, int* error) override {
    if (fd_ < 0) {
      *error = EBADF;
      return false;
    }
    if (writeAll(fd_, static_cast<const char*>(data), size, error)) {
      length_ += static_cast<off_t>(size);
      return true;
    }
    // All or nothing: a retry writes the same bytes at the same place.
    if (ftruncate(fd_, length_) != 0 || lseek(fd_, length_, SEEK_SET) < 0) {
      // The file can no longer be made whole: every later write fails too.
      ::close(fd_);
      fd_ = -1;
    }
    return false;
  }

  std::int64_t copyFrom(SourceFile& source, std::size_t size) override {
    auto* local = dynamic_cast<LocalSourceFile*>(&source);
    if (local == nullptr || fd_ < 0 || state_ != State::Writing) return -1;
    std::size_t done = 0;
    while (done < size) {
      const ssize_t n = copy_file_range(local->descriptor(), nullptr, fd_, nullptr, size - done, 0);
      if (n > 0) {
        done += static_cast<std::size_t>(n);
      } else if (n == 0) {
        break;
      } else if (errno != EINTR) {
        // Back to where the chunk began on both sides.
        if (lseek(local->descriptor(), local->position(), SEEK_SET) < 0 || ftruncate(fd_, length_) != 0 ||
            lseek(fd_, length_, SEEK_SET) < 0) {
          ::close(fd_);
          fd_ = -1;
        }
        return -1;
      }
    }
    local->advanced(static_cast<off_t>(done));
    length_ += static_cast<off_t>(done);
    return static_cast<std::int64_t>(done);
  }

  bool commit(const FileTime& modified, std::uint32_t mode, int* error) override {
    if (state_ == State::Done) return true;
    if (state_ == State::Writing) {
      if (fd_ < 0) {
        *error = EIO;
        return false;
      }
      const struct timespec times[2] = {{0, UTIME_OMIT}, {modified.seconds, modified.nanoseconds}};
      futimens(fd_, times);  // a time that cannot be set is no reason to lose the copy
      fchmod(fd_, (mode & 07777) | S_IWUSR);
      const int closed = ::close(fd_);
      fd_ = -1;
      if (closed != 0 && errno != EINTR) {
        // Delayed write errors (NFS, quota) surface here: the copy is not whole.
        *error = errno;
        state_ = State::Broken;
        return false;
      }
      state_ = State::Closed;
    }
    if (state_ == State::Broken) {
      *error = EIO;
      return false;
    }
    if (rename(temporary_.c_str(), destination_.c_str()) != 0) {
      *error = errno;
      return false;
    }
    state_ = State::Done;
    return true;
  }

  void discard() override {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (state_ != State::Done && state_ != State::Discarded) unlink(temporary_.c_str());
    if (state_ != State::Done) state_ = State::Discarded;
  }

  const std::string& temporaryPath() const override { return temporary_; }

 private:
  enum class State { Writing, Closed, Broken, Done, Discarded };
  int fd_;
  off_t length_ = 0;
  State state_ = State::Writing;
  std::string temporary_;
  std::string destination_;
};

class LocalLogFile : public LogFile {
 public:
  explicit LocalLogFile(int fd) : fd_(fd) {}
  ~LocalLogFile() override { LocalLogFile::close(); }
  bool write(std::string_view bytes) override {
    int error = 0;
    return fd_ >= 0 && writeAll(fd_, bytes.data(), bytes.size(), &error);
  }
  bool close() override {
    if (fd_ < 0) return true;
    const int closed = ::close(fd_);
    fd_ = -1;
    return closed == 0 || errno == EINTR;
  }

 private:
  int fd_;
};

// A name for a staged file: different in every call of the process, and between
// processes started at the same moment.
std::string stagedName() {
  static std::atomic<std::uint32_t> counter{0};
  static const auto process = static_cast<std::uint64_t>(getpid());
  const std::uint64_t mix = (process << 40) ^ (tickCount() << 16) ^
                            counter.fetch_add(1, std::memory_order_relaxed) * 0x9E3779B97F4A7C15ull;
  char digits[17];
  std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(mix));
  std::string name(kStagedPrefix);
  name += digits;
  name += kStagedSuffix;
  return name;
}

}  // namespace

std::string parentDirectory(const std::string& nativePath) {
  std::size_t end = nativePath.size();
  while (end > 1 && nativePath[end - 1] == '/') --end;
  const std::size_t slash = nativePath.rfind('/', end - 1);
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : nativePath.substr(0, slash);
}

bool isStagedFileName(std::string_view name) {
  return name.size() > kStagedPrefix.size() + kStagedSuffix.size() && name.substr(0, kStagedPrefix.size()) == kStagedPrefix &&
         name.substr(name.size() - kStagedSuffix.size()) == kStagedSuffix;
}

PathFacts LocalFileSystem::facts(const std::string& nativePath) {
  PathFacts f;
  struct stat st {};
  if (lstat(nativePath.c_str(), &st) != 0) {
    f.error = errno;
    return f;
  }
  std::size_t end = nativePath.size();
  while (end > 1 && nativePath[end - 1] == '/') --end;
  const std::size_t slash = nativePath.rfind('/', end - 1);
  f.hidden = nativePath[slash == std::string::npos ? 0 : slash + 1] == '.';
  if (S_ISLNK(st.st_mode)) {
    f.symlink = true;
    if (stat(nativePath.c_str(), &st) != 0) {
      f.kind = PathKind::Special;  // dangling, or a loop
      return f;
    }
  }
  f.kind = kindOf(st.st_mode);
  f.readOnly = (st.st_mode & S_IWUSR) == 0;
  f.size = f.kind == PathKind::Regular ? static_cast<std::uint64_t>(st.st_size) : 0;
  f.modified = {st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
  f.mode = st.st_mode & 07777;
  return f;
}

int LocalFileSystem::makeDirectories(const std::string& nativePath) {
  struct stat st {};
  if (stat(nativePath.c_str(), &st) == 0) return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
  std::size_t slash = 0;
  while (slash != std::string::npos) {
    slash = nativePath.find('/', slash + 1);
    const std::string part = nativePath.substr(0, slash);
    if (part.empty() || part.back() == '/') continue;
    if (mkdir(part.c_str(), 0777) == 0) continue;
    const int error = errno;
    if (error != EEXIST) return error;
    if (stat(part.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return ENOTDIR;
  }
  return 0;
}

int LocalFileSystem::makeWritable(const std::string& nativePath) {
  struct stat st {};
  if (lstat(nativePath.c_str(), &st) != 0) return errno;
  if (S_ISLNK(st.st_mode) || (st.st_mode & S_IWUSR) != 0) return 0;
  return chmod(nativePath.c_str(), (st.st_mode & 07777) | S_IWUSR) == 0 ? 0 : errno;
}

std::unique_ptr<SourceFile> LocalFileSystem::openSource(const std::string& nativePath, int* error) {
  // O_NONBLOCK: a FIFO must not wait for a writer; it is refused just after.
  const int fd = ::open(nativePath.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    *error = errno;
    return nullptr;
  }
  struct stat st {};
  const int refused = fstat(fd, &st) != 0 ? errno : S_ISREG(st.st_mode) ? 0 : S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
  if (refused != 0) {
    *error = refused;
    ::close(fd);
    return nullptr;
  }
  posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  return std::make_unique<LocalSourceFile>(fd, st);
}

std::unique_ptr<StagedFile> LocalFileSystem::stageReplacement(const std::string& nativeDestination, int* error) {
  const std::string directory = parentDirectory(nativeDestination);
  const std::string prefix = directory == "/" ? directory : directory + "/";
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string temporary = prefix + stagedName();
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0600);
    if (fd >= 0) return std::make_unique<LocalStagedFile>(fd, std::move(temporary), nativeDestination);
    if (errno != EEXIST) {
      *error = errno;
      return nullptr;
    }
  }
  *error = EEXIST;
  return nullptr;
}

int LocalFileSystem::removeFile(const std::string& nativePath) {
  return unlink(nativePath.c_str()) == 0 ? 0 : errno;
}

std::unique_ptr<LogFile> LocalFileSystem::openLog(const std::string& nativePath, bool truncate, int* error) {
  const int fd = ::open(nativePath.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | O_NOCTTY | (truncate ? O_TRUNC : 0), 0666);
  if (fd < 0) {
    *error = errno;
    return nullptr;
  }
  return std::make_unique<LocalLogFile>(fd);
}

namespace {

class LocalTrashedName : public TrashedName {
 public:
  LocalTrashedName(std::shared_ptr<FreedesktopTrash> trash, TrashEntry entry)
      : trash_(std::move(trash)), entry_(std::move(entry)) {}
  void withdraw() override { trash_->withdraw(entry_); }

 private:
  std::shared_ptr<FreedesktopTrash> trash_;
  TrashEntry entry_;
};

}  // namespace

int LocalFileSystem::moveToTrash(const std::string& nativePath, std::string* reason) {
  TrashEntry entry;
  return trash_->moveToTrash(nativePath, &entry, reason) ? 0 : EPERM;
}

std::unique_ptr<TrashedName> LocalFileSystem::keepInTrash(const std::string& nativePath, std::string* reason) {
  TrashEntry entry;
  if (!trash_->linkIntoTrash(nativePath, &entry, reason)) return nullptr;
  return std::make_unique<LocalTrashedName>(trash_, std::move(entry));
}

bool LocalFileSystem::hasEntries(const std::string& nativePath) {
  DIR* dir = opendir(nativePath.c_str());
  if (!dir) return true;
  bool found = false;
  while (const dirent* e = readdir(dir)) {
    const std::string_view name = e->d_name;
    if (name != "." && name != "..") {
      found = true;
      break;
    }
  }
  closedir(dir);
  return found;
}

std::unique_ptr<LogFile> LocalFileSystem::openStandardOutput(int* error) {
  const int fd = fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3);
  if (fd < 0) {
    *error = errno;
    return nullptr;
  }
  return std::make_unique<LocalLogFile>(fd);
}

}  // namespace quorvane::platform
