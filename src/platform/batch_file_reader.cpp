#include "platform/batch_file_reader.h"

#include <fcntl.h>
#include <liburing.h>

#include <atomic>
#include <cerrno>
#include <mutex>
#include <utility>

#include "platform/directory_handle.h"

namespace quorvane::platform {

namespace {

std::atomic<bool> enabled{true};

std::mutex hookMutex;
std::function<void(BatchFileReader::File&)> afterReadHook;  // guarded by hookMutex
std::atomic<bool> hooked{false};

// Each file takes three requests: open into a slot of the ring's own file table, read,
// close. Slots are never visible as descriptors of the process, so nothing leaks into a
// program started meanwhile.
constexpr unsigned kRequestsPerFile = 3;
// O_NONBLOCK: opening a FIFO must not wait for a writer (it then reads nothing).
constexpr int kOpenFlags = O_RDONLY | O_NOCTTY | O_NONBLOCK;

enum Step : std::uint64_t { kOpen, kRead, kClose };

std::uint64_t tag(std::size_t file, Step step) { return static_cast<std::uint64_t>(file) * kRequestsPerFile + step; }

}  // namespace

struct BatchFileReader::Ring {
  io_uring ring{};
  bool live = false;    // set up: to be torn down
  bool broken = false;  // the ring failed once: every later file is left to the caller
  ~Ring() {
    if (live) io_uring_queue_exit(&ring);
  }
};

void BatchFileReader::SetEnabled(bool on) { enabled = on; }

void BatchFileReader::SetAfterReadForTests(std::function<void(File&)> hook) {
  std::lock_guard lock(hookMutex);
  hooked = static_cast<bool>(hook);
  afterReadHook = std::move(hook);
}

BatchFileReader::BatchFileReader(std::unique_ptr<Ring> ring) : ring_(std::move(ring)) {}

BatchFileReader::~BatchFileReader() = default;

std::unique_ptr<BatchFileReader> BatchFileReader::Create() {
  if (!enabled.load()) return nullptr;
  auto owned = std::make_unique<Ring>();
  if (io_uring_queue_init(kMaxFiles * kRequestsPerFile, &owned->ring, 0) < 0) return nullptr;
  owned->live = true;
  if (io_uring_register_files_sparse(&owned->ring, kMaxFiles) < 0) return nullptr;

  // Opening into the ring's file table needs a recent kernel: try it once on "/".
  io_uring_sqe* open = io_uring_get_sqe(&owned->ring);
  io_uring_prep_openat_direct(open, AT_FDCWD, "/", O_RDONLY | O_DIRECTORY, 0, 0);
  open->flags |= IOSQE_IO_LINK;
  io_uring_sqe* close = io_uring_get_sqe(&owned->ring);
  io_uring_prep_close_direct(close, 0);
  if (io_uring_submit_and_wait(&owned->ring, 2) != 2) return nullptr;
  bool opened = false;
  for (int i = 0; i < 2; ++i) {
    io_uring_cqe* cqe = nullptr;
    if (io_uring_wait_cqe(&owned->ring, &cqe) != 0) return nullptr;
    if (i == 0) opened = cqe->res == 0;
    io_uring_cqe_seen(&owned->ring, cqe);
  }
  if (!opened) return nullptr;
  return std::unique_ptr<BatchFileReader>(new BatchFileReader(std::move(owned)));
}

void BatchFileReader::ReadAll(std::span<File> files) {
  for (File& f : files) f.read = -1;
  if (ring_->broken || files.empty() || files.size() > kMaxFiles) return;
  io_uring& ring = ring_->ring;

  for (std::size_t i = 0; i < files.size(); ++i) {
    const File& f = files[i];
    const auto slot = static_cast<unsigned>(i);
    // The read follows the open and the close the read; the close runs even when the
    // read failed or came short (a hard link), so no slot stays open.
    io_uring_sqe* open = io_uring_get_sqe(&ring);
    io_uring_prep_openat_direct(open, f.directory->Descriptor(), f.name, kOpenFlags, 0, slot);
    open->flags |= IOSQE_IO_LINK;
    io_uring_sqe_set_data64(open, tag(i, kOpen));
    io_uring_sqe* read = io_uring_get_sqe(&ring);
    io_uring_prep_read(read, static_cast<int>(slot), f.buffer, static_cast<unsigned>(f.capacity), 0);
    read->flags |= IOSQE_FIXED_FILE | IOSQE_IO_HARDLINK;
    io_uring_sqe_set_data64(read, tag(i, kRead));
    io_uring_sqe* close = io_uring_get_sqe(&ring);
    io_uring_prep_close_direct(close, slot);
    io_uring_sqe_set_data64(close, tag(i, kClose));
  }

  const unsigned requests = static_cast<unsigned>(files.size()) * kRequestsPerFile;
  unsigned submitted = 0;
  for (int attempts = 0; submitted < requests;) {
    const int n = io_uring_submit(&ring);
    if (n > 0) {
      submitted += static_cast<unsigned>(n);
    } else if ((n == -EINTR || n == -EAGAIN || n == -EBUSY) && ++attempts < 100) {
      continue;
    } else {
      ring_->broken = true;  // requests may be left queued: the ring is not used again
      break;
    }
  }
  // Every request handed over is waited for: the kernel writes into the callers' buffers.
  for (unsigned done = 0; done < submitted;) {
    io_uring_cqe* cqe = nullptr;
    const int error = io_uring_wait_cqe(&ring, &cqe);
    if (error == -EINTR || error == -EAGAIN) continue;
    if (error != 0) {
      ring_->broken = true;
      break;
    }
    const std::uint64_t data = io_uring_cqe_get_data64(cqe);
    const std::size_t file = data / kRequestsPerFile;
    if (data % kRequestsPerFile == kRead && file < files.size() && cqe->res >= 0) files[file].read = cqe->res;
    io_uring_cqe_seen(&ring, cqe);
    ++done;
  }
  if (ring_->broken)
    for (File& f : files) f.read = -1;

  if (hooked.load()) {
    std::lock_guard lock(hookMutex);
    if (afterReadHook)
      for (File& f : files) afterReadHook(f);
  }
}

}  // namespace quorvane::platform
