#pragma once
// The file system as the file operations see it: facts about a path, directories made
// with their parents, permission bits, sources opened for reading, copies staged in a
// temporary file and put in place by rename, deletions, and the appended text of a log.
// Every call reports a failure as the errno value it met (0: success), so that a prompt
// can show the system's reason. Virtual so that tests can make any step fail on cue;
// LocalFileSystem (local_file_system.h) is the real one.
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace quorvane::platform {

enum class PathKind : std::uint8_t {
  Missing,    // nothing at the path (a dangling symlink is Special)
  Regular,    // a regular file, or a symlink to one
  Directory,  // a directory, or a symlink to one
  Special,    // FIFO, socket, device, dangling symlink: never opened
};

// A file's modification time with its nanoseconds.
struct FileTime {
  std::int64_t seconds = 0;
  std::int64_t nanoseconds = 0;
  bool operator==(const FileTime&) const = default;
};

struct PathFacts {
  PathKind kind = PathKind::Missing;
  bool symlink = false;   // the path itself is a symbolic link
  bool readOnly = false;  // the owner lacks write permission (of the file a link names)
  bool hidden = false;    // the name begins with "."; cannot be cleared
  std::uint64_t size = 0;
  FileTime modified;
  std::uint32_t mode = 0;  // permission bits (07777)
  int error = 0;           // errno when the facts could not be read (kind is then Missing)

  // Something is at the path: a file, a directory, a link (even dangling), a device.
  bool exists() const { return kind != PathKind::Missing; }
};

// An open source file, read from its start to its end.
class SourceFile {
 public:
  virtual ~SourceFile() = default;
  // Up to size bytes from the current position: fewer only at the end, 0 there; -1 on a
  // failure with *error set and the position where it was before the call.
  virtual std::int64_t read(void* buffer, std::size_t size, int* error) = 0;
  // Back to an earlier position (after a failed read). False when it cannot.
  virtual bool seek(std::uint64_t position) = 0;
  // The modification time and permission bits the file had when opened.
  virtual FileTime modified() const = 0;
  virtual std::uint32_t mode() const = 0;
};

// A copy being written: a new file made exclusively in the destination's directory
// under a name no listing can hold. It replaces the destination only through commit();
// destroying it uncommitted (or discard()) removes it, so the destination stays as it
// was.
class StagedFile {
 public:
  virtual ~StagedFile() = default;
  // Appends the bytes, all of them or none: on a failure (full disk included) the file
  // is cut back to its length before the call and *error is set.
  virtual bool write(const void* data, std::size_t size, int* error) = 0;
  // Moves up to size bytes from the source's position to the end of this file inside the
  // system, without passing them through the process, and returns the count (fewer only
  // at the source's end, 0 there). -1 when that failed or cannot be done here: both files
  // are then as before the call, and the caller moves the chunk through its own buffer,
  // whose read and write name the failing side.
  virtual std::int64_t copyFrom(SourceFile& /*source*/, std::size_t /*size*/) { return -1; }
  // Gives the file the modification time and permission bits, then renames it over the
  // destination (a symlink at the destination is replaced, its target left alone). On a
  // failure the staged file stays complete, so commit may be called again.
  virtual bool commit(const FileTime& modified, std::uint32_t mode, int* error) = 0;
  // Removes the staged file (nothing when already committed or discarded).
  virtual void discard() = 0;
  // Where the staged file lies (for tests and messages).
  virtual const std::string& temporaryPath() const = 0;
};

// A second name of a file in the trash, made before the file is replaced so that the
// former file is in the trash the moment the replacement takes its name.
class TrashedName {
 public:
  virtual ~TrashedName() = default;
  // The replacement did not happen: the trash forgets the file (which kept its name).
  virtual void withdraw() = 0;
};

// The appended text of a log file.
class LogFile {
 public:
  virtual ~LogFile() = default;
  // Writes the bytes to the file at once (no buffering). False on a failure.
  virtual bool write(std::string_view bytes) = 0;
  // Closes it. False when closing failed.
  virtual bool close() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Facts about a path; symlinks are followed for kind, size, time and mode.
  virtual PathFacts facts(const std::string& nativePath) = 0;

  // Makes the directory with every missing parent. 0 or the errno met.
  virtual int makeDirectories(const std::string& nativePath) = 0;

  // Gives the owner write permission (clears the read-only attribute). A symlink is left
  // alone: its target is not this tree's file to change.
  virtual int makeWritable(const std::string& nativePath) = 0;

  // Opens a regular file for reading; a directory, FIFO, socket or device is refused
  // without being opened for long (never waiting on a FIFO). Null with *error set.
  virtual std::unique_ptr<SourceFile> openSource(const std::string& nativePath, int* error) = 0;

  // Starts the copy that will replace (or create) the destination. Null with *error set.
  virtual std::unique_ptr<StagedFile> stageReplacement(const std::string& nativeDestination, int* error) = 0;

  // Removes the file; a symlink is removed itself, never its target; a directory is
  // refused. 0 or the errno met.
  virtual int removeFile(const std::string& nativePath) = 0;

  // Opens a log: truncated to empty when truncate is set, else appended to; created when
  // missing. Null with *error set.
  virtual std::unique_ptr<LogFile> openLog(const std::string& nativePath, bool truncate, int* error) = 0;

  // Moves the file (a symlink itself) into the trash of its own file system, never
  // copying it. 0, or the errno met with *reason the text to show.
  virtual int moveToTrash(const std::string& /*nativePath*/, std::string* reason) {
    *reason = "no trash on this file system";
    return ENOTSUP;
  }
  // Puts a second name of the file in its trash (see TrashedName). Null with *reason.
  virtual std::unique_ptr<TrashedName> keepInTrash(const std::string& /*nativePath*/, std::string* reason) {
    *reason = "no trash on this file system";
    return nullptr;
  }

  // Whether a directory holds any entry. True when it cannot be read: only an empty
  // directory is reported empty.
  virtual bool hasEntries(const std::string& /*nativePath*/) { return true; }

  // The log written to the standard output. Null with *error set.
  virtual std::unique_ptr<LogFile> openStandardOutput(int* error) {
    *error = ENOTSUP;
    return nullptr;
  }

  // The path as the user would name it on the network (a network mount's remote source);
  // on local file systems the path itself.
  virtual std::string networkForm(const std::string& nativePath) { return nativePath; }
};

}  // namespace quorvane::platform
