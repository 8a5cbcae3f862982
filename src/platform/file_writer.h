#pragma once
// Sequential writing of one file. Writes are buffered; every failure of the system (a
// full disk, a quota, an I/O error) is kept and reported by the call that met it and by
// every later call, so a short file is never taken for a complete one. A failed output
// never costs the user the file that was there before:
//  - Create writes a temporary file beside the target and renames it over the target
//    when close() succeeds (the target keeps its permission bits and, where allowed,
//    its owner; a symbolic link is followed and the file it names replaced). A target
//    that exists but is no regular file (/dev/full, a FIFO), or that lies in a
//    directory where no temporary file can be made, is written in place. The temporary
//    file is removed on every failure.
//  - Append remembers the file's length at open and cuts the file back to it when a
//    write or the close fails (a file that did not exist is removed again).
// Virtual so that tests can fail on cue.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvane::platform {

enum class WriteMode { Create, Append };

class FileWriter {
 public:
  FileWriter() = default;
  // Closes a file still open, as close() does.
  virtual ~FileWriter();
  FileWriter(const FileWriter&) = delete;
  FileWriter& operator=(const FileWriter&) = delete;

  // Opens the file for writing (closing any file still open). False when it cannot be
  // created or opened; error() then says why.
  virtual bool open(const std::string& nativePath, WriteMode mode);

  // Appends the bytes. False once anything failed to reach the file.
  virtual bool write(std::string_view bytes);

  // Hands everything buffered to the system. False on a failure.
  virtual bool flush();

  // Flushes, makes the file whole on the disk and closes it (for Create: puts it in
  // place of the target). False when anything written since open failed, or finishing
  // did; the former file is then as it was.
  virtual bool close();

  bool isOpen() const { return fd_ >= 0; }
  bool failed() const { return failed_; }
  // The system's reason for the first failure ("No space left on device").
  const std::string& error() const { return error_; }

 private:
  bool writeOut(const char* data, std::size_t size);
  bool fail(int errorNumber);
  bool openReplacement(const std::string& target);
  bool openInPlace(const std::string& target, WriteMode mode);
  void undo();

  int fd_ = -1;
  bool failed_ = false;
  std::string error_;
  std::string buffer_;
  std::string target_;     // the file finally written
  std::string temporary_;  // Create through a temporary file: its path, else empty
  bool appending_ = false;
  bool existedBefore_ = false;      // Append: the file existed at open
  std::int64_t formerLength_ = 0;   // Append: its length then
};

}  // namespace quorvane::platform
