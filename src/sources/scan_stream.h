#pragma once
// What a directory walk on a worker thread met, kept in order for the calling thread to
// replay: one thread writes, another reads, each at its own pace. Records are packed into
// large chunks (a directory's relative path once, then each file as its name and its
// facts in varints), and a chunk is freed as soon as it has been read. Files the worker
// could not read travel beside the records with their open directory; so that the
// stream never holds too many descriptors, the writer waits for the reader once the
// files waiting name kMaxHeldDirectories different directories.
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/directory_handle.h"
#include "sources/scan_target.h"

namespace quorvane {

class ScanStream {
 public:
  static constexpr std::size_t kChunkSize = 128 * 1024;
  static constexpr std::size_t kMaxHeldDirectories = 128;

  // withChecksums: whether file records carry a checksum (not when comparing by size
  // and time only).
  explicit ScanStream(bool withChecksums) : withChecksums_(withChecksums) {}
  ScanStream(const ScanStream&) = delete;
  ScanStream& operator=(const ScanStream&) = delete;

  // The writer's side.
  void Directory(std::string_view nativePath);
  void Problem(std::string_view path, std::string_view reason);
  void FileSkipped();
  void File(std::string_view relativePath, const ListedFile& facts, std::uint32_t checksum, std::uint64_t bytesRead);
  // A file to be read on the reader's thread. Waits while the stream holds too many
  // directories; false, with nothing recorded, when the stream was cancelled meanwhile.
  bool Unread(const WalkedFile& f);
  // The walk ended with this exception; nothing follows it.
  void Failure(std::exception_ptr failure);
  // Makes everything written visible and ends the stream.
  void Finish();

  // Wakes and releases a writer waiting for room (the reader will read no more).
  void Cancel();

  // The reader's side.
  enum class Kind { Directory, Problem, FileSkipped, File, Unread };
  struct UnreadFile {
    std::shared_ptr<const platform::DirectoryHandle> directory;
    std::string nativePath;
    std::string relativePath;
    ListedFile facts;
    bool regular = true;
    bool firstOfDirectory = false;  // the first waiting file of its directory
  };
  struct Event {
    Kind kind = Kind::Directory;
    std::string_view text;    // Directory and Problem: the path; File: the relative path
    std::string_view reason;  // Problem
    ListedFile facts;         // File
    std::uint32_t checksum = 0;
    std::uint64_t bytesRead = 0;
    UnreadFile unread;        // Unread
  };
  // The next record, waiting for the writer when needed; false at the end. Rethrows the
  // exception the walk ended with where it was met. The views stay valid until the next
  // call.
  bool Next(Event& e);

  // What was written so far: the bytes of the records and the files among them; and
  // the most bytes of records written but not yet read, seen by the reader.
  std::uint64_t BytesWritten() const { return bytesWritten_.load(std::memory_order_relaxed); }
  std::uint64_t FilesWritten() const { return filesWritten_.load(std::memory_order_relaxed); }
  std::uint64_t PeakBytesHeld() const { return peakHeld_; }

 private:
  struct Chunk {
    std::unique_ptr<std::uint8_t[]> bytes;
    std::size_t size = 0;
    std::size_t capacity = 0;
  };

  std::uint8_t* room(std::size_t most);
  void wrote(std::uint8_t* end);
  void publishLocked();
  void context(std::string_view directory);

  const bool withChecksums_;
  // The writer's own.
  Chunk writing_;
  std::string context_;    // the relative directory the last file records are in
  std::string directory_;  // the last directory shown
  std::string name_;       // the last file's name
  bool contextSet_ = false;
  std::uint32_t lastTime_ = 0;  // of the last file record
  std::uint64_t written_ = 0;
  std::uint64_t files_ = 0;
  std::atomic<std::uint64_t> bytesWritten_{0};  // copies of written_ and files_ for other threads
  std::atomic<std::uint64_t> filesWritten_{0};
  // The reader's own.
  Chunk reading_;
  std::size_t readAt_ = 0;
  std::string readContext_;
  std::string readDirectory_;
  std::string readName_;
  std::uint64_t readBytes_ = 0;
  bool otherBytes_ = false;
  std::string readPath_;
  std::uint32_t readTime_ = 0;
  std::uint64_t bytesRead_ = 0;
  std::uint64_t peakHeld_ = 0;
  // Shared, under mutex_.
  std::mutex mutex_;
  std::condition_variable readable_;  // the reader waits for chunks
  std::condition_variable roomy_;     // the writer waits for directories to be released
  std::deque<Chunk> ready_;
  Chunk spare_;  // a read chunk kept for the writer, so a stream read as fast as written reuses one
  std::deque<UnreadFile> unread_;
  std::size_t heldDirectories_ = 0;
  std::exception_ptr failure_;
  std::atomic<bool> readerWaiting_{false};  // the writer then publishes at each directory
  bool finished_ = false;
  bool cancelled_ = false;
};

}  // namespace quorvane
