#pragma once
// Sequential reading of one regular file at a time, from its start to its end. Only
// regular files are ever read: a path that turned into a FIFO or a device since it was
// listed is refused, so an open never blocks and a read always ends. Virtual so that
// tests can make opens and reads fail on cue.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace quorvane::platform {

class DirectoryHandle;

class FileReader {
 public:
  FileReader() = default;
  virtual ~FileReader();
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;

  // Opens the file read-only (closing any file still open). False when the path is no
  // regular file or cannot be opened.
  virtual bool open(const std::string& nativePath);
  // Opens the file name of an open directory, relative to it (so the length of the
  // directory's path does not matter), with the rules of open.
  virtual bool openAt(const DirectoryHandle& directory, const char* name);

  // Fills buffer with up to size bytes from the current position and returns the count:
  // fewer than size only at the end of the file, 0 there. -1 on an error, with nothing
  // consumed, so that calling again reads the same bytes.
  virtual std::int64_t read(void* buffer, std::size_t size);

  // Closes the open file, if any.
  virtual void close();

  // A new reader of the same kind, for reading on another thread.
  virtual std::unique_ptr<FileReader> another() const;

  // Whether small files may be read past this reader, many at a time (BatchFileReader):
  // only for this plain reader of the file system. A reader of another kind (tests that
  // make opens and reads fail on cue) reads every file through its own open and read.
  bool ReadsInBatches() const;

  // The errno value of the last failed open or read; 0 when unknown (readers of tests).
  int LastError() const { return lastError_; }

 protected:
  int lastError_ = 0;

 private:
  bool adopt(int fd);
  int fd_ = -1;
  std::uint64_t sizeAtOpen_ = 0;
  std::uint64_t position_ = 0;
};

}  // namespace quorvane::platform
