#pragma once
// Reading ahead for the directory scanner: worker threads open, read and checksum the
// queued files (in blocks of the read buffer's size, through readers made from
// c.Reader) while the scanner keeps listing, so listing, reading and checksumming use
// every core. Results are taken in the order the files were queued, so files reach
// AddFile in listing order and prompts come up for the same files, in the same order, as
// when every file is read on the spot: a file a worker could not open or read is read
// again on the calling thread by ChecksumFile, which asks Retry / Skip / Skip all / Abort.
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "engine/comparison.h"

namespace quorvane {

class ChecksumPipeline {
 public:
  // How many worker threads a scan would use for c: none when no file is read (Quick)
  // or on a single core (then the scanner reads each file itself).
  static unsigned WorkersFor(const Comparison& c);
  // Overrides the number of workers for the rest of the process (tests run both ways);
  // a negative value restores the automatic choice.
  static void SetWorkerCount(int workers);

  ChecksumPipeline(Comparison& c, unsigned workers);
  ~ChecksumPipeline();
  ChecksumPipeline(const ChecksumPipeline&) = delete;
  ChecksumPipeline& operator=(const ChecksumPipeline&) = delete;

  bool Full() const { return tail_ - head_ >= kCapacity; }
  bool Empty() const { return tail_ == head_; }
  // Queues a file; the queue must not be Full.
  void Submit(std::string nativePath, std::uint64_t size, bool regular);
  // True when the oldest queued file has been read (or failed), without waiting.
  bool OldestReady();
  // Waits for the oldest queued file, pumping messages and drawing its progress when it
  // is large, and returns what ChecksumFile would for it (nullopt: skipped or aborted).
  // relativePath is shown in the progress window and the prompts.
  std::optional<std::uint32_t> TakeOldest(std::string_view relativePath);

 private:
  static constexpr std::uint64_t kCapacity = 512;
  static constexpr std::uint64_t kWakeBatch = 32;
  enum class SlotState { Queued, Reading, Done, Failed, Cancelled };
  struct Slot {
    std::string nativePath;
    std::uint64_t size = 0;
    bool regular = true;
    SlotState state = SlotState::Queued;
    std::uint64_t bytesRead = 0;  // so far while Reading; the total when Done
    std::uint32_t value = 0;
    std::uint16_t snapshotCrc16 = 0;
  };

  void work(std::unique_ptr<platform::FileReader> reader);
  bool finished(const Slot& s) const { return s.state != SlotState::Queued && s.state != SlotState::Reading; }

  Comparison& c_;
  const std::uint8_t kind_;
  const bool snapshot_;
  std::vector<Slot> ring_;
  std::uint64_t head_ = 0;  // the oldest file not yet taken
  std::uint64_t tail_ = 0;  // where the next file goes
  std::uint64_t next_ = 0;  // the next file a worker claims (guarded by mutex_)
  bool stop_ = false;       // guarded by mutex_
  bool cancel_ = false;     // guarded by mutex_: the run was aborted
  std::mutex mutex_;
  std::condition_variable work_;
  std::condition_variable done_;
  std::vector<std::thread> workers_;
};

}  // namespace quorvane
