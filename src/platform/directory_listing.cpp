#include "platform/directory_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

#include "platform/dos_time.h"

namespace quorvane::platform {

namespace {

struct DirCloser {
  void operator()(DIR* d) const { closedir(d); }
};

bool isDotOrDotDot(const char* n) { return n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)); }

void describe(const struct stat& st, DirectoryEntry& e) {
  e.time = dosTimeFromUnix(static_cast<std::int64_t>(st.st_mtime));
  if ((st.st_mode & S_IWUSR) == 0) e.attributes |= faReadOnly;
  if (S_ISREG(st.st_mode)) {
    e.attributes |= faArchive;
    e.size = static_cast<std::uint64_t>(st.st_size);
    e.regular = true;
  } else if (S_ISDIR(st.st_mode)) {
    e.attributes |= faDirectory;
    e.identity = {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
  } else {
    e.attributes |= faSystem;
  }
}

}  // namespace

bool listDirectory(const std::string& nativeDirectory, const std::function<bool(const DirectoryEntry&)>& visit) {
  std::unique_ptr<DIR, DirCloser> dir(opendir(nativeDirectory.empty() ? "/" : nativeDirectory.c_str()));
  if (!dir) return false;
  const int fd = dirfd(dir.get());
  while (const dirent* d = readdir(dir.get())) {
    if (isDotOrDotDot(d->d_name)) continue;
    DirectoryEntry e;
    e.name = d->d_name;
    if (d->d_name[0] == '.') e.attributes |= faHidden;
    struct stat st {};
    if (fstatat(fd, d->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
      e.attributes |= faSystem;  // vanished or unreadable: never opened
    } else if (S_ISLNK(st.st_mode)) {
      struct stat target {};
      if (fstatat(fd, d->d_name, &target, 0) != 0) {
        e.time = dosTimeFromUnix(static_cast<std::int64_t>(st.st_mtime));
        e.attributes |= faSystem;  // broken symlink or loop
      } else {
        describe(target, e);
        if (e.attributes & faDirectory) e.attributes |= faSystem;
      }
    } else {
      describe(st, e);
    }
    if (!visit(e)) break;
  }
  return true;
}

bool directoryIdentity(const std::string& nativePath, FileIdentity& out) {
  struct stat st {};
  if (stat(nativePath.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  out = {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
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
