#include "sources/checksum_pipeline.h"

#include <algorithm>
#include <atomic>
#include <chrono>

#include "sources/block_checksum.h"
#include "sources/file_checksum.h"

namespace quorvane {

namespace {

std::atomic<int> workerOverride{-1};

}  // namespace

unsigned ChecksumPipeline::WorkersFor(const Comparison& c) {
  if (c.settings.Quick) return 0;
  const int forced = workerOverride.load();
  if (forced >= 0) return static_cast<unsigned>(forced);
  // The calling thread keeps a core for listing and the file list.
  const unsigned cores = std::thread::hardware_concurrency();
  return cores <= 1 ? 0 : std::min(cores - 1, 4u);
}

void ChecksumPipeline::SetWorkerCount(int workers) { workerOverride = workers < 0 ? -1 : workers; }

ChecksumPipeline::ChecksumPipeline(Comparison& c, unsigned workers)
    : c_(c), kind_(c.State.CurrentChecksumKind), snapshot_(c.State.SnapshotMode), ring_(kCapacity) {
  workers_.reserve(workers);
  for (unsigned i = 0; i < workers; ++i) workers_.emplace_back(&ChecksumPipeline::work, this, c.Reader->another());
}

ChecksumPipeline::~ChecksumPipeline() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
    cancel_ = true;
  }
  work_.notify_all();
  for (std::thread& t : workers_) t.join();
}

void ChecksumPipeline::Submit(std::string nativePath, std::uint64_t size, bool regular) {
  {
    std::lock_guard lock(mutex_);
    Slot& s = ring_[tail_ % kCapacity];
    s.nativePath = std::move(nativePath);
    s.size = size;
    s.regular = regular;
    s.state = SlotState::Queued;
    s.bytesRead = 0;
    ++tail_;
    // Workers are woken for a batch of files, not for each: a wake-up costs more than
    // reading a small file.
    if (tail_ - next_ < kWakeBatch) return;
  }
  work_.notify_all();
}



bool ChecksumPipeline::OldestReady() {
  std::lock_guard lock(mutex_);
  return finished(ring_[head_ % kCapacity]);
}

void ChecksumPipeline::work(std::unique_ptr<platform::FileReader> reader) {
  std::vector<std::uint8_t> buffer(Comparison::kReadBufferSize);
  std::unique_lock lock(mutex_);
  for (;;) {
    work_.wait(lock, [&] { return stop_ || next_ < tail_; });
    if (stop_) return;
    Slot& s = ring_[next_++ % kCapacity];
    if (cancel_) {
      s.state = SlotState::Cancelled;
      done_.notify_one();
      continue;
    }
    s.state = SlotState::Reading;
    const bool large = s.size > kFileProgressThreshold;
    lock.unlock();

    // The slot's path and size stay as they are until the slot is finished and taken.
    BlockChecksum checksum(kind_, snapshot_);
    std::uint64_t total = 0;
    SlotState outcome = SlotState::Done;
    if (s.regular) {  // FIFOs, sockets and devices are never opened
      if (!reader->open(s.nativePath)) {
        outcome = SlotState::Failed;
      } else {
        for (;;) {
          const std::int64_t n = reader->read(buffer.data(), buffer.size());
          if (n < 0) {
            outcome = SlotState::Failed;
            break;
          }
          checksum.Add(buffer.data(), static_cast<std::size_t>(n));
          total += static_cast<std::uint64_t>(n);
          if (static_cast<std::size_t>(n) != buffer.size()) break;
          if (large) {
            std::lock_guard progress(mutex_);
            s.bytesRead = total;
            if (cancel_) {
              outcome = SlotState::Cancelled;
              break;
            }
          }
        }
        reader->close();
      }
    }

    lock.lock();
    s.state = outcome;
    s.bytesRead = total;
    s.value = checksum.Value();
    s.snapshotCrc16 = checksum.SnapshotCrc16();
    done_.notify_one();
  }
}

std::optional<std::uint32_t> ChecksumPipeline::TakeOldest(std::string_view relativePath) {
  Slot& s = ring_[head_ % kCapacity];
  std::unique_lock lock(mutex_);
  if (c_.Aborted()) cancel_ = true;
  if (!finished(s)) {
    if (next_ < tail_) {
      lock.unlock();
      work_.notify_all();
      lock.lock();
    }
    // Waiting: keep the window alive, and show a large file's own progress.
    const bool large = s.size > kFileProgressThreshold;
    int percent = -1;
    if (large) {
      lock.unlock();
      c_.ui.progressCurrentFile(relativePath);
      lock.lock();
    }
    while (!finished(s)) {
      done_.wait_for(lock, std::chrono::milliseconds(50));
      const std::uint64_t soFar = s.bytesRead;
      lock.unlock();
      c_.Progress.Pump();
      if (large) {
        const int now = static_cast<int>(std::min<std::uint64_t>(100, soFar * 100 / s.size));
        if (now != percent) c_.ui.progressBar(percent = now);
      }
      const bool aborted = c_.Aborted();
      lock.lock();
      if (aborted) cancel_ = true;
    }
    if (large) {
      lock.unlock();
      c_.ui.progressCurrentFile("");
      c_.ui.progressBar(0);
      lock.lock();
    }
  }
  const SlotState state = s.state;
  ChecksumRequest again;
  if (state == SlotState::Failed) {
    again.nativePath = std::move(s.nativePath);
    again.relativePath = relativePath;
    again.size = s.size;
    again.regular = s.regular;
  }
  const std::uint64_t bytes = s.bytesRead;
  const std::uint32_t value = s.value;
  const std::uint16_t crc16 = s.snapshotCrc16;
  ++head_;
  lock.unlock();

  if (c_.Aborted()) return std::nullopt;
  switch (state) {
    case SlotState::Done:
      c_.State.Stats.BytesRead += static_cast<double>(bytes);
      if (snapshot_) c_.Scan.Status = crc16;
      return value;
    case SlotState::Failed:
      return ChecksumFile(c_, again);  // asks Retry / Skip / Skip all / Abort
    case SlotState::Cancelled:
    case SlotState::Queued:
    case SlotState::Reading:
      break;
  }
  return std::nullopt;
}

}  // namespace quorvane
