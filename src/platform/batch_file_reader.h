#pragma once
// Reading many small files with few system calls: each file of a batch is opened relative
// to its directory, read from its start into a buffer of its own and closed, and the whole
// batch is handed to the kernel at once (io_uring), so a file costs no system call of its
// own. A file that could not be opened or read in the batch, or was longer than its
// buffer, is left to the caller, which reads it the ordinary way (FileReader) and meets
// the error, if any, there. Where the system cannot read in batches, Create gives null.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

namespace quorvane::platform {

class DirectoryHandle;

class BatchFileReader {
 public:
  // The most files one ReadAll takes.
  static constexpr std::size_t kMaxFiles = 32;

  struct File {
    const DirectoryHandle* directory = nullptr;  // the file is opened relative to it
    const char* name = nullptr;                  // the file's name in directory
    std::uint8_t* buffer = nullptr;
    std::size_t capacity = 0;  // the most bytes read
    // What ReadAll gave: the bytes read from the start of the file (at most capacity;
    // fewer only at its end), or -1 when it could not be opened or read.
    std::int64_t read = -1;
  };

  // A reader for the calling thread, or null when batches cannot be read here (no
  // io_uring in the kernel, or forbidden to this process, or switched off).
  static std::unique_ptr<BatchFileReader> Create();
  // Switches batch reading off (false) or on again for the rest of the process, so that
  // tests and benchmarks can compare both ways.
  static void SetEnabled(bool enabled);
  // Tests: called with every file after it was read in a batch, to make it look failed
  // or cut short; empty to stop.
  static void SetAfterReadForTests(std::function<void(File&)> hook);

  ~BatchFileReader();
  BatchFileReader(const BatchFileReader&) = delete;
  BatchFileReader& operator=(const BatchFileReader&) = delete;

  // Opens, reads and closes each of files (at most kMaxFiles), setting its read. Only a
  // regular file's bytes are wanted: the names are opened without waiting (a FIFO that
  // took a file's place gives nothing rather than blocking) and never become the
  // controlling terminal. Nothing stays open afterwards.
  void ReadAll(std::span<File> files);

 private:
  struct Ring;
  explicit BatchFileReader(std::unique_ptr<Ring> ring);
  std::unique_ptr<Ring> ring_;
};

}  // namespace quorvane::platform
