#pragma once
// An open directory. Everything below it is reached through its descriptor (openat,
// fdopendir, fstatat), never through its path, so a tree is read whatever the length of
// its paths. The path is kept for messages and the progress window only; it may be
// longer than the system lets a path be.
#include <memory>
#include <string>
#include <string_view>

#include "platform/directory_listing.h"

namespace quorvane::platform {

class DirectoryHandle {
 public:
  ~DirectoryHandle();
  DirectoryHandle(const DirectoryHandle&) = delete;
  DirectoryHandle& operator=(const DirectoryHandle&) = delete;

  // Opens the directory at nativePath (following a symlink). Null, with the errno value
  // in error, when it is no directory or cannot be opened.
  static std::unique_ptr<DirectoryHandle> Open(const std::string& nativePath, int& error);
  // Opens the subdirectory name of this directory (following a symlink), the same way.
  std::unique_ptr<DirectoryHandle> OpenChild(const std::string& name, int& error) const;

  int Descriptor() const { return fd_; }
  // The path the directory was reached by, ending with "/".
  const std::string& NativePath() const { return nativePath_; }
  // The name of the entry at nativePath, a path made of NativePath() and that name.
  const char* NameIn(const std::string& nativePath) const { return nativePath.c_str() + nativePath_.size(); }
  const FileIdentity& Identity() const { return identity_; }

 private:
  friend int listDirectory(const DirectoryHandle&, const std::function<bool(const DirectoryEntry&)>&);
  DirectoryHandle(int fd, std::string nativePath, FileIdentity identity)
      : fd_(fd), nativePath_(std::move(nativePath)), identity_(identity) {}
  static std::unique_ptr<DirectoryHandle> adopt(int fd, std::string nativePath, int& error);

  int fd_;
  std::string nativePath_;
  FileIdentity identity_;
  mutable bool listed_ = false;  // the descriptor's offset has moved: a listing starts by rewinding
};

// Calls visit for every entry of the directory except "." and "..", in the file system's
// order, until visit returns false (DirectoryEntry tells how each maps to DOS facts).
// Returns 0, or the errno value when the directory could not be listed, or not to its end.
int listDirectory(const DirectoryHandle& directory, const std::function<bool(const DirectoryEntry&)>& visit);

}  // namespace quorvane::platform
