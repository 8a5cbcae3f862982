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
  // As many workers as cores: the calling thread mostly sleeps while they read, and
  // the listing it does between sleeps is shared out by the scheduler.
  const unsigned cores = std::thread::hardware_concurrency();
  return cores <= 1 ? 0 : std::min(cores, 4u);
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

void ChecksumPipeline::Submit(std::string nativePath, std::string relativePath, std::uint64_t size, bool regular) {
  {
    std::lock_guard lock(mutex_);
    Slot& s = slot(tail_);
    s.nativePath = std::move(nativePath);
    s.relativePath = std::move(relativePath);
    s.size = size;
    s.regular = regular;
    s.state = SlotState::Queued;
    s.bytesRead = 0;
    ++tail_;
    // Idle workers are woken for a batch of files, not for each: a wake-up costs more
    // than reading a small file. Busy workers find the new files by themselves.
    if (tail_ - next_ < kWakeBatch) return;
  }
  work_.notify_all();
}

bool ChecksumPipeline::OldestReady() {
  std::lock_guard lock(mutex_);
  return finished(slot(head_));
}

void ChecksumPipeline::work(std::unique_ptr<platform::FileReader> reader) {
  std::vector<std::uint8_t> buffer(Comparison::kReadBufferSize);
  std::unique_lock lock(mutex_);
  for (;;) {
    work_.wait(lock, [&] { return stop_ || next_ < tail_; });
    if (stop_) return;
    const std::uint64_t sequence = next_++;
    Slot& s = slot(sequence);
    SlotState outcome = SlotState::Done;
    BlockChecksum checksum(kind_, snapshot_);
    std::uint64_t total = 0;
    if (cancel_) {
      outcome = SlotState::Cancelled;
    } else if (s.regular) {  // FIFOs, sockets and devices are never opened
      s.state = SlotState::Reading;
      const bool large = s.size > kFileProgressThreshold;
      lock.unlock();
      // The slot's path and size stay as they are until it is finished and taken.
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
      lock.lock();
    }
    s.state = outcome;
    s.bytesRead = total;
    s.value = checksum.Value();
    s.snapshotCrc16 = checksum.SnapshotCrc16();
    if (sequence == waitTarget_) done_.notify_one();
  }
}

void ChecksumPipeline::WaitForOldest(std::uint64_t count) {
  count = std::min(count, Queued());
  if (count == 0) return;
  const std::uint64_t last = head_ + count - 1;
  std::uint64_t current = kNone;  // the earliest file not yet read
  std::uint64_t shown = kNone;    // the large file whose progress is drawn
  int percent = -1;
  std::unique_lock lock(mutex_);
  if (c_.Aborted()) cancel_ = true;
  if (next_ < tail_) work_.notify_all();  // files below the wake-up batch
  for (;;) {
    // The latest unfinished file decides how long to sleep; the earliest one is the
    // one the user sees being read.
    std::uint64_t latest = kNone;
    std::uint64_t earliest = kNone;
    for (std::uint64_t i = last + 1; i-- > head_;) {
      if (finished(slot(i))) continue;
      if (latest == kNone) latest = i;
      earliest = i;
    }
    if (latest == kNone) break;

    if (earliest != current) {
      current = earliest;
      const bool large = slot(earliest).size > kFileProgressThreshold;
      if (large || shown != kNone) {
        const std::string path = large ? slot(earliest).relativePath : std::string();
        shown = large ? earliest : kNone;
        percent = -1;
        lock.unlock();
        c_.ui.progressCurrentFile(path);
        lock.lock();
        continue;  // the slots may have moved on meanwhile
      }
    }

    waitTarget_ = latest;
    done_.wait_for(lock, std::chrono::milliseconds(50));
    waitTarget_ = kNone;
    const Slot& watched = slot(shown == kNone ? head_ : shown);
    const int now = shown == kNone ? -1 : static_cast<int>(std::min<std::uint64_t>(100, watched.bytesRead * 100 / watched.size));
    lock.unlock();
    c_.Progress.Pump();
    if (now >= 0 && now != percent) c_.ui.progressBar(percent = now);
    const bool aborted = c_.Aborted();
    lock.lock();
    if (aborted) cancel_ = true;
  }
  lock.unlock();
  if (shown != kNone) {
    c_.ui.progressCurrentFile("");
    c_.ui.progressBar(0);
  }
}

ChecksumPipeline::Taken ChecksumPipeline::TakeOldest() {
  WaitForOldest(1);
  std::unique_lock lock(mutex_);
  Slot& s = slot(head_);
  Taken taken;
  taken.relativePath = std::move(s.relativePath);
  const SlotState state = s.state;
  ChecksumRequest again;
  if (state == SlotState::Failed) {
    again.nativePath = std::move(s.nativePath);
    again.size = s.size;
    again.regular = s.regular;
  }
  const std::uint64_t bytes = s.bytesRead;
  const std::uint32_t value = s.value;
  const std::uint16_t crc16 = s.snapshotCrc16;
  ++head_;
  lock.unlock();

  if (c_.Aborted()) return taken;
  switch (state) {
    case SlotState::Done:
      c_.State.Stats.BytesRead += static_cast<double>(bytes);
      if (snapshot_) c_.Scan.Status = crc16;
      taken.checksum = value;
      break;
    case SlotState::Failed:
      again.relativePath = taken.relativePath;
      taken.checksum = ChecksumFile(c_, again);  // asks Retry / Skip / Skip all / Abort
      break;
    case SlotState::Cancelled:
    case SlotState::Queued:
    case SlotState::Reading:
      break;
  }
  return taken;
}

}  // namespace quorvane
