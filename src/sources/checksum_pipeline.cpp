#include "sources/checksum_pipeline.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <span>

#include "sources/block_checksum.h"

namespace quorvane {

namespace {

std::atomic<int> workerOverride{-1};

}  // namespace

unsigned ChecksumPipeline::WorkersFor(bool quick) {
  if (quick) return 0;
  const int forced = workerOverride.load();
  if (forced >= 0) return static_cast<unsigned>(forced);
  // As many workers as cores: the calling thread mostly sleeps while they read, and
  // the listing it does between sleeps is shared out by the scheduler.
  const unsigned cores = std::thread::hardware_concurrency();
  return cores <= 1 ? 0 : std::min(cores, 4u);
}

void ChecksumPipeline::SetWorkerCount(int workers) { workerOverride = workers < 0 ? -1 : workers; }

ChecksumPipeline::ChecksumPipeline(ScanTarget& target, ChecksumKind kind, bool snapshot,
                                   const platform::FileReader& readers, unsigned workers)
    : target_(target), kind_(kind), snapshot_(snapshot), ring_(std::make_unique<Slot[]>(kCapacity)) {
  workers_.reserve(workers);
  for (unsigned i = 0; i < workers; ++i) workers_.emplace_back(&ChecksumPipeline::work, this, readers.another());
}

ChecksumPipeline::~ChecksumPipeline() {
  cancel_ = true;
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  work_.notify_all();
  for (std::thread& t : workers_) t.join();
}

void ChecksumPipeline::Submit(std::shared_ptr<const platform::DirectoryHandle> directory, std::string nativePath,
                              std::string relativePath, std::uint64_t size, bool regular) {
  const std::uint64_t sequence = tail_.load();
  Slot& s = slot(sequence);
  s.directory = std::move(directory);
  s.nativePath = std::move(nativePath);
  s.relativePath = std::move(relativePath);
  s.size = size;
  s.regular = regular;
  s.batchBytes.store(regular && s.directory && size < kBatchFileLimit ? static_cast<std::uint32_t>(size + 1) : 0,
                     std::memory_order_relaxed);
  s.bytesRead.store(0, std::memory_order_relaxed);
  s.state.store(SlotState::Queued, std::memory_order_relaxed);
  tail_.store(sequence + 1);
  // Sleeping workers are woken for a batch of files, not for each: a wake-up costs more
  // than reading a small file. Busy workers find the new files by themselves.
  if (sleepers_.load() > 0 && sequence + 1 - next_.load() >= kWakeBatch) wakeWorkers();
}

void ChecksumPipeline::wakeWorkers() {
  // Taking the lock orders this wake-up after a worker's last look at the queue.
  { std::lock_guard lock(mutex_); }
  work_.notify_all();
}

bool ChecksumPipeline::OldestReady() { return finished(slot(head_)); }

std::uint64_t ChecksumPipeline::claim(std::uint64_t& first, bool batches) {
  std::uint64_t sequence = next_.load();
  for (;;) {
    const std::uint64_t tail = tail_.load();
    if (sequence >= tail) return 0;
    // A run of small files for a batch, or one file. The slots looked at may be claimed
    // by another worker meanwhile; then the exchange fails and they are looked at again.
    std::uint64_t count = 1;
    if (batches) {
      std::size_t bytes = slot(sequence).batchBytes.load(std::memory_order_relaxed);
      if (bytes != 0) {
        while (count < platform::BatchFileReader::kMaxFiles && sequence + count < tail) {
          const std::size_t more = slot(sequence + count).batchBytes.load(std::memory_order_relaxed);
          if (more == 0 || bytes + more > kBatchBytes) break;
          bytes += more;
          ++count;
        }
      }
    }
    if (next_.compare_exchange_weak(sequence, sequence + count)) {
      first = sequence;
      return count;
    }
  }
}

void ChecksumPipeline::work(std::unique_ptr<platform::FileReader> reader) {
  Tools tools;
  tools.buffer.resize(Comparison::kReadBufferSize);
  if (reader->ReadsInBatches()) tools.batch = platform::BatchFileReader::Create();
  if (tools.batch) tools.batchBuffer.resize(kBatchBytes);
  tools.reader = std::move(reader);
  for (;;) {
    std::uint64_t first = 0;
    const std::uint64_t count = claim(first, tools.batch != nullptr);
    if (count == 0) {
      std::unique_lock lock(mutex_);
      ++sleepers_;
      work_.wait(lock, [&] { return stop_ || next_.load() < tail_.load(); });
      --sleepers_;
      if (stop_) return;
      continue;
    }
    if (tools.batch && slot(first).batchBytes.load(std::memory_order_relaxed) != 0)
      readBatch(first, count, tools);
    else
      read(slot(first), tools);
    const std::uint64_t waited = waitTarget_.load();
    if (waited >= first && waited < first + count) {
      std::lock_guard lock(mutex_);
      done_.notify_one();
    }
  }
}

void ChecksumPipeline::read(Slot& s, Tools& tools) {
  try {
    QuietRead result;
    result.outcome = QuietRead::Outcome::Done;
    if (cancel_.load()) {
      result.outcome = QuietRead::Outcome::Stopped;
    } else if (s.regular) {  // FIFOs, sockets and devices are never opened
      s.state.store(SlotState::Reading, std::memory_order_relaxed);
      const bool large = s.size > kFileProgressThreshold;
      result = ReadFileQuietly(*tools.reader, s.directory.get(), s.nativePath, kind_, snapshot_, tools.buffer,
                               [&](std::uint64_t total) {
                                 if (!large) return true;  // a small file is read to its end: its progress is never shown
                                 s.bytesRead.store(total, std::memory_order_relaxed);
                                 return !cancel_.load(std::memory_order_relaxed);
                               });
    } else {
      const BlockChecksum none(kind_, snapshot_);  // the checksum of no bytes
      result.checksum = none.Value();
      result.snapshotCrc16 = none.SnapshotCrc16();
    }
    publish(s, result);
  } catch (...) {
    fail(s, tools);
  }
}

void ChecksumPipeline::readBatch(std::uint64_t first, std::uint64_t count, Tools& tools) {
  std::array<platform::BatchFileReader::File, platform::BatchFileReader::kMaxFiles> files;
  std::size_t used = 0;
  for (std::uint64_t i = 0; i < count; ++i) {
    Slot& s = slot(first + i);
    s.state.store(SlotState::Reading, std::memory_order_relaxed);
    platform::BatchFileReader::File& f = files[i];
    f.directory = s.directory.get();
    f.name = s.directory->NameIn(s.nativePath);
    f.buffer = tools.batchBuffer.data() + used;
    f.capacity = s.batchBytes.load(std::memory_order_relaxed);
    used += f.capacity;
  }
  if (!cancel_.load()) tools.batch->ReadAll(std::span(files.data(), count));
  for (std::uint64_t i = 0; i < count; ++i) {
    Slot& s = slot(first + i);
    const platform::BatchFileReader::File& f = files[i];
    if (cancel_.load() || f.read < 0 || static_cast<std::uint64_t>(f.read) != s.size) {
      // Not read whole in the batch (or the run was aborted): the ordinary read decides.
      read(s, tools);
      continue;
    }
    BlockChecksum checksum(kind_, snapshot_);
    checksum.Add(f.buffer, s.size);
    QuietRead result;
    result.outcome = QuietRead::Outcome::Done;
    result.checksum = checksum.Value();
    result.snapshotCrc16 = checksum.SnapshotCrc16();
    result.bytesRead = s.size;
    publish(s, result);
  }
}

void ChecksumPipeline::fail(Slot& s, Tools& tools) {
  // A reader that throws leaves the file to be read again by the owning thread, where the
  // error can be reported.
  tools.reader->close();
  s.bytesRead.store(0, std::memory_order_relaxed);
  s.state.store(SlotState::Failed);
}

void ChecksumPipeline::publish(Slot& s, const QuietRead& result) {
  s.value = result.checksum;
  s.snapshotCrc16 = result.snapshotCrc16;
  s.bytesRead.store(result.bytesRead, std::memory_order_relaxed);
  s.state.store(result.outcome == QuietRead::Outcome::Done     ? SlotState::Done
                : result.outcome == QuietRead::Outcome::Failed ? SlotState::Failed
                                                               : SlotState::Cancelled);
}

void ChecksumPipeline::WaitForOldest(std::uint64_t count) {
  count = std::min(count, Queued());
  if (count == 0) return;
  const std::uint64_t last = head_ + count - 1;
  std::uint64_t current = kNone;  // the earliest file not yet read
  std::uint64_t shown = kNone;    // the large file whose progress is drawn
  int percent = -1;
  if (target_.Aborted()) cancel_ = true;
  if (sleepers_.load() > 0 && next_.load() < tail_.load()) wakeWorkers();  // files below the batch
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
        shown = large ? earliest : kNone;
        percent = -1;
        target_.ShowFileBeingRead(large ? std::string_view(slot(earliest).relativePath) : std::string_view());
      }
    }

    {
      std::unique_lock lock(mutex_);
      waitTarget_.store(latest);
      if (!finished(slot(latest))) done_.wait_for(lock, std::chrono::milliseconds(50));
      waitTarget_.store(kNone);
    }
    target_.Pump();
    if (shown != kNone) {
      const Slot& s = slot(shown);
      const int now = static_cast<int>(std::min<std::uint64_t>(100, s.bytesRead.load(std::memory_order_relaxed) * 100 / s.size));
      if (now != percent) target_.ShowFileBar(percent = now);
    }
    if (target_.Aborted()) cancel_ = true;
  }
  if (shown != kNone) {
    target_.ShowFileBeingRead("");
    target_.ShowFileBar(0);
  }
}

ChecksumPipeline::Taken ChecksumPipeline::TakeOldest() {
  WaitForOldest(1);
  Slot& s = slot(head_);
  Taken taken;
  taken.state = s.state.load();
  if (taken.state != SlotState::Done && taken.state != SlotState::Failed) taken.state = SlotState::Cancelled;
  taken.checksum = s.value;
  taken.snapshotCrc16 = s.snapshotCrc16;
  taken.bytesRead = s.bytesRead.load(std::memory_order_relaxed);
  taken.directory = std::move(s.directory);
  taken.nativePath = std::move(s.nativePath);
  taken.relativePath = std::move(s.relativePath);
  taken.size = s.size;
  taken.regular = s.regular;
  ++head_;
  return taken;
}

}  // namespace quorvane
