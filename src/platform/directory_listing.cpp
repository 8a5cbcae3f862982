#include "platform/directory_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <vector>

#include "platform/directory_handle.h"
#include "platform/dos_time.h"

namespace quorvane::platform {

namespace {

bool isDotOrDotDot(const char* n) { return n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)); }

FileIdentity identityOf(const struct stat& st) {
  return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

void describe(const struct stat& st, DirectoryEntry& e) {
  e.time = dosTimeFromUnix(static_cast<std::int64_t>(st.st_mtime));
  if ((st.st_mode & S_IWUSR) == 0) e.attributes |= faReadOnly;
  if (S_ISREG(st.st_mode)) {
    e.attributes |= faArchive;
    e.size = static_cast<std::uint64_t>(st.st_size);
    e.regular = true;
  } else if (S_ISDIR(st.st_mode)) {
    e.attributes |= faDirectory;
    e.identity = identityOf(st);
  } else {
    e.attributes |= faSystem;
  }
}

// The facts of one entry, read relative to its directory.
void describeEntry(int fd, const char* name, DirectoryEntry& e) {
  struct stat st {};
  if (fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
    e.statError = errno;
    return;
  }
  if (!S_ISLNK(st.st_mode)) {
    describe(st, e);
    return;
  }
  struct stat target {};
  if (fstatat(fd, name, &target, 0) != 0) {
    e.time = dosTimeFromUnix(static_cast<std::int64_t>(st.st_mtime));
    e.attributes |= faSystem;  // broken symlink or loop
    return;
  }
  describe(target, e);
  if (e.attributes & faDirectory) e.attributes |= faSystem;
}

}  // namespace

DirectoryHandle::~DirectoryHandle() { ::close(fd_); }

std::unique_ptr<DirectoryHandle> DirectoryHandle::adopt(int fd, std::string nativePath, int& error) {
  if (fd < 0) {
    error = errno;
    return nullptr;
  }
  struct stat st {};
  error = fstat(fd, &st) != 0 ? errno : (S_ISDIR(st.st_mode) ? 0 : ENOTDIR);
  if (error != 0) {
    ::close(fd);
    return nullptr;
  }
  if (nativePath.empty() || nativePath.back() != '/') nativePath += '/';
  return std::unique_ptr<DirectoryHandle>(new DirectoryHandle(fd, std::move(nativePath), identityOf(st)));
}

std::unique_ptr<DirectoryHandle> DirectoryHandle::Open(const std::string& nativePath, int& error) {
  const char* path = nativePath.empty() ? "/" : nativePath.c_str();
  return adopt(::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC), nativePath, error);
}

std::unique_ptr<DirectoryHandle> DirectoryHandle::OpenChild(const std::string& name, int& error) const {
  return adopt(::openat(fd_, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC), nativePath_ + name, error);
}

int listDirectory(const DirectoryHandle& directory, const std::function<bool(const DirectoryEntry&)>& visit) {
  // The entries are read straight from the handle's descriptor, in blocks, without a
  // directory stream: no second descriptor and no stream to set up for each directory.
  const int fd = directory.Descriptor();
  if (directory.listed_ && lseek(fd, 0, SEEK_SET) != 0) return errno;
  directory.listed_ = true;
  std::vector<char> block(32768);  // one per call: a visit may list another directory
  for (;;) {
    const ssize_t filled = getdents64(fd, block.data(), block.size());
    if (filled < 0 && errno == EINTR) continue;
    if (filled < 0) return errno;
    if (filled == 0) return 0;
    for (ssize_t at = 0; at < filled;) {
      const auto* d = reinterpret_cast<const dirent64*>(block.data() + at);
      at += d->d_reclen;
      if (isDotOrDotDot(d->d_name)) continue;
      DirectoryEntry e;
      e.name = d->d_name;
      if (d->d_name[0] == '.') e.attributes |= faHidden;
      describeEntry(fd, d->d_name, e);
      if (!visit(e)) return 0;
    }
  }
}

bool listDirectory(const std::string& nativeDirectory, const std::function<bool(const DirectoryEntry&)>& visit) {
  int error = 0;
  const std::unique_ptr<DirectoryHandle> directory = DirectoryHandle::Open(nativeDirectory, error);
  return directory && listDirectory(*directory, visit) == 0;
}

bool directoryIdentity(const std::string& nativePath, FileIdentity& out) {
  struct stat st {};
  if (stat(nativePath.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  out = identityOf(st);
  return true;
}

bool directoryExists(const std::string& nativePath) {
  struct stat st {};
  return stat(nativePath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool fileExists(const std::string& nativePath) {
  struct stat st {};
  return stat(nativePath.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool directoryIsEmpty(const std::string& nativePath) {
  bool empty = true;
  listDirectory(nativePath, [&](const DirectoryEntry&) {
    empty = false;
    return false;
  });
  return empty;
}

}  // namespace quorvane::platform
