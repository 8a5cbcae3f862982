#pragma once
// Reading ahead for the directory scanner: worker threads open, read and checksum the
// queued files (in blocks of the read buffer's size, through readers made from
// c.Reader) while the scanner keeps listing, so listing, reading and checksumming use
// every core. Results are taken in the order the files were queued, so files reach
// AddFile in listing order and prompts come up for the same files, in the same order, as
// when every file is read on the spot: a file a worker could not open or read is read
// again on the calling thread by ChecksumFile, which asks Retry / Skip / Skip all / Abort.
// Where the system allows it, a worker takes a run of small queued files at once and reads
// them in one batch (BatchFileReader); a file the batch could not read whole is read the
// ordinary way. Only the thread that owns the pipeline reports to its scan target.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "engine/checksum_kind.h"
#include "platform/batch_file_reader.h"
#include "platform/directory_handle.h"
#include "platform/file_reader.h"
#include "sources/file_checksum.h"
#include "sources/scan_target.h"

namespace quorvane {

class ChecksumPipeline {
 public:
  // How many worker threads a scan would use: none when no file is read (quick) or on a
  // single core (then the scanner reads each file itself).
  static unsigned WorkersFor(bool quick);
  // Overrides the number of workers for the rest of the process (tests run both ways);
  // a negative value restores the automatic choice.
  static void SetWorkerCount(int workers);

  // Each worker reads through a reader made by readers.another(); waits pump and draw
  // through target, and target's Aborted() cancels the reading.
  ChecksumPipeline(ScanTarget& target, ChecksumKind kind, bool snapshot, const platform::FileReader& readers,
                   unsigned workers);
  ~ChecksumPipeline();  // stops the workers; files still queued are dropped
  ChecksumPipeline(const ChecksumPipeline&) = delete;
  ChecksumPipeline& operator=(const ChecksumPipeline&) = delete;

  bool Full() const { return tail_.load() - head_ >= kCapacity; }
  bool Empty() const { return tail_.load() == head_; }
  std::uint64_t Queued() const { return tail_.load() - head_; }

  // Queues a file; the queue must not be Full. The file is opened relative to directory
  // (kept open until the file is taken), nativePath being the directory's path + the
  // file's name; relativePath is what the progress window and the prompts show.
  void Submit(std::shared_ptr<const platform::DirectoryHandle> directory, std::string nativePath,
              std::string relativePath, std::uint64_t size, bool regular);

  // True when the oldest queued file has been read (or has failed), without waiting.
  bool OldestReady();
  // Waits until the oldest count queued files are read, pumping messages and drawing the
  // progress of a large file being waited for. Waiting for many at once lets the
  // workers run on while this thread sleeps.
  void WaitForOldest(std::uint64_t count);
  // Makes room in a Full queue: waits for the older half.
  void MakeRoom() { WaitForOldest(kCapacity / 2); }

  enum class SlotState { Queued, Reading, Done, Failed, Cancelled };
  struct Taken {
    SlotState state = SlotState::Cancelled;  // Done, Failed (to be read again) or Cancelled
    std::uint32_t checksum = 0;
    std::uint16_t snapshotCrc16 = 0;
    std::uint64_t bytesRead = 0;
    std::shared_ptr<const platform::DirectoryHandle> directory;
    std::string nativePath;
    std::string relativePath;
    std::uint64_t size = 0;
    bool regular = true;
  };
  // Removes the oldest queued file (waiting for it when needed) and gives what its
  // reading came to.
  Taken TakeOldest();

 private:
  static constexpr std::uint64_t kCapacity = 512;
  static constexpr std::uint64_t kWakeBatch = 32;
  static constexpr std::uint64_t kNone = std::numeric_limits<std::uint64_t>::max();
  // Files below this size are read in batches, whose buffers together take at most
  // kBatchBytes.
  static constexpr std::uint64_t kBatchFileLimit = 128 * 1024;
  static constexpr std::size_t kBatchBytes = 1024 * 1024;
  // A queued file. The calling thread writes the request fields before publishing the
  // slot through tail_; a worker writes the result fields before publishing them
  // through state.
  struct Slot {
    std::shared_ptr<const platform::DirectoryHandle> directory;
    std::string nativePath;
    std::string relativePath;
    std::uint64_t size = 0;
    bool regular = true;
    std::atomic<SlotState> state{SlotState::Queued};
    std::atomic<std::uint64_t> bytesRead{0};  // so far while Reading (large files); the total when finished
    std::uint32_t value = 0;
    std::uint16_t snapshotCrc16 = 0;
    // The room the file takes in a batch (its size + 1, so that a file grown since it
    // was listed is seen to be longer); 0 when it is read on its own. Atomic because a
    // worker looks at slots it has not claimed yet.
    std::atomic<std::uint32_t> batchBytes{0};
  };

  // What a worker reads with.
  struct Tools {
    std::unique_ptr<platform::FileReader> reader;
    std::vector<std::uint8_t> buffer;                  // one block of the ordinary read
    std::unique_ptr<platform::BatchFileReader> batch;  // null: every file is read on its own
    std::vector<std::uint8_t> batchBuffer;             // the files of one batch, one after another
  };

  void work(std::unique_ptr<platform::FileReader> reader);
  std::uint64_t claim(std::uint64_t& first, bool batches);
  void read(Slot& s, Tools& tools);
  void readBatch(std::uint64_t first, std::uint64_t count, Tools& tools);
  void fail(Slot& s, Tools& tools);
  void publish(Slot& s, const QuietRead& result);
  void wakeWorkers();
  static bool finished(const Slot& s) {
    const SlotState state = s.state.load();
    return state != SlotState::Queued && state != SlotState::Reading;
  }
  Slot& slot(std::uint64_t sequence) { return ring_[sequence % kCapacity]; }

  ScanTarget& target_;
  const ChecksumKind kind_;
  const bool snapshot_;
  std::unique_ptr<Slot[]> ring_;
  // Sequence numbers: head_ the oldest file not yet taken (calling thread only), tail_
  // the next to be queued, next_ the next a worker claims.
  std::uint64_t head_ = 0;
  std::atomic<std::uint64_t> tail_{0};
  std::atomic<std::uint64_t> next_{0};
  std::atomic<std::uint64_t> waitTarget_{kNone};  // the file the calling thread sleeps on
  std::atomic<unsigned> sleepers_{0};              // workers waiting for files
  std::atomic<bool> cancel_{false};                // the run was aborted: workers stop reading
  bool stop_ = false;                              // guarded by mutex_
  std::mutex mutex_;  // only for sleeping and waking
  std::condition_variable work_;
  std::condition_variable done_;
  std::vector<std::thread> workers_;
};

}  // namespace quorvane
