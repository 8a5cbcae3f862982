#pragma once
// Directory enumeration with DOS-style facts. How Linux files map to DOS attributes:
//  - read-only: the owner lacks write permission;
//  - hidden: the name begins with ".";
//  - system: anything neither a regular file nor a directory (FIFO, socket, device,
//    broken symlink), and a symlink to a directory (then also directory);
//  - archive: every regular file.
// A symlink to a file is followed (its target's size and time).
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/file_attributes.h"

namespace quorvane::platform {

struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

struct DirectoryEntry {
  std::string_view name;   // valid during the callback only
  std::uint8_t attributes = 0;
  std::uint64_t size = 0;  // 0 for directories and special files
  std::uint32_t time = 0;  // DOS packed local last-write time
  bool regular = false;    // a regular file (or a symlink to one): the only kind ever opened
  FileIdentity identity;   // of the directory itself, for loop guards
  int statError = 0;       // errno when the entry's facts could not be read (then no other field counts)
};

// Calls visit for every entry of the directory except "." and "..", in the file
// system's order, until visit returns false. Returns false when the directory
// could not be opened or listed. (directory_handle.h lists an open directory.)
bool listDirectory(const std::string& nativeDirectory, const std::function<bool(const DirectoryEntry&)>& visit);

// Identity of a directory (following symlinks); nullopt-like: returns false when absent.
bool directoryIdentity(const std::string& nativePath, FileIdentity& out);

bool directoryExists(const std::string& nativePath);
// An existing path that is not a directory (a symlink to a file counts as a file).
bool fileExists(const std::string& nativePath);
bool directoryIsEmpty(const std::string& nativePath);

}  // namespace quorvane::platform
