#pragma once
// Sequential writing of one file: created anew (emptied when it exists) or opened for
// appending. Writes are buffered; every failure of the system (a full disk, a quota, an
// I/O error) is kept and reported by the call that met it and by every later call, so a
// short file is never taken for a complete one. Virtual so that tests can fail on cue.
#include <cstddef>
#include <string>
#include <string_view>

namespace quorvane::platform {

enum class WriteMode { Create, Append };

class FileWriter {
 public:
  FileWriter() = default;
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

  // Flushes and closes. False when anything written since open failed, or closing did.
  virtual bool close();

  bool isOpen() const { return fd_ >= 0; }
  bool failed() const { return failed_; }
  // The system's reason for the first failure ("No space left on device").
  const std::string& error() const { return error_; }

 private:
  bool writeOut(const char* data, std::size_t size);
  bool fail(int errorNumber);

  int fd_ = -1;
  bool failed_ = false;
  std::string error_;
  std::string buffer_;
};

}  // namespace quorvane::platform
