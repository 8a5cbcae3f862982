#include "sources/file_checksum.h"

#include <algorithm>

#include "engine/file_retry.h"
#include "platform/os_error_text.h"
#include "sources/block_checksum.h"

namespace quorvane {

namespace {

std::string_view fileName(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The per-file line and bar of the progress window, for large files only; the bar is
// redrawn only when its percentage changes.
class FileProgress {
 public:
  FileProgress(platform::UserInterface& ui, const ChecksumRequest& request)
      : ui_(ui), size_(request.size), shown_(request.size > kFileProgressThreshold) {
    if (shown_) ui_.progressCurrentFile(request.relativePath);
  }
  ~FileProgress() {
    if (!shown_) return;
    ui_.progressCurrentFile("");
    ui_.progressBar(0);
  }
  FileProgress(const FileProgress&) = delete;
  FileProgress& operator=(const FileProgress&) = delete;

  void Read(std::uint64_t bytesSoFar) {
    if (!shown_) return;
    const int percent = static_cast<int>(std::min<std::uint64_t>(100, bytesSoFar * 100 / size_));
    if (percent == percent_) return;
    percent_ = percent;
    ui_.progressBar(percent);
  }

 private:
  platform::UserInterface& ui_;
  std::uint64_t size_;
  bool shown_;
  int percent_ = -1;
};

// Closes the reader however the loop ends.
struct CloseOnExit {
  platform::FileReader& reader;
  ~CloseOnExit() { reader.close(); }
};

}  // namespace

bool OpenFileIn(platform::FileReader& reader, const platform::DirectoryHandle* directory, const std::string& nativePath) {
  if (!directory) return reader.open(nativePath);
  return reader.openAt(*directory, directory->NameIn(nativePath));
}

bool OpenRequestedFile(platform::FileReader& reader, const ChecksumRequest& request) {
  return OpenFileIn(reader, request.directory, request.nativePath);
}

QuietRead ReadFileQuietly(platform::FileReader& reader, const platform::DirectoryHandle* directory,
                          const std::string& nativePath, ChecksumKind kind, bool snapshot,
                          std::vector<std::uint8_t>& buffer, const std::function<bool(std::uint64_t)>& goOn) {
  QuietRead result;
  if (!OpenFileIn(reader, directory, nativePath)) return result;
  CloseOnExit closer{reader};
  BlockChecksum checksum(kind, snapshot);
  result.outcome = QuietRead::Outcome::Done;
  for (;;) {
    const std::int64_t n = reader.read(buffer.data(), buffer.size());
    if (n < 0) {
      result.outcome = QuietRead::Outcome::Failed;
      break;
    }
    checksum.Add(buffer.data(), static_cast<std::size_t>(n));
    result.bytesRead += static_cast<std::uint64_t>(n);
    if (static_cast<std::size_t>(n) != buffer.size()) break;
    if (!goOn(result.bytesRead)) {
      result.outcome = QuietRead::Outcome::Stopped;
      break;
    }
  }
  result.checksum = checksum.Value();
  result.snapshotCrc16 = checksum.SnapshotCrc16();
  return result;
}

std::string FileProblemReason(const char* failed, int error) {
  std::string reason = failed;
  if (error != 0) reason.append(": ").append(platform::osErrorText(error));
  return reason;
}

std::optional<std::uint32_t> ChecksumFile(Comparison& c, const ChecksumRequest& request) {
  const bool snapshot = c.State.SnapshotMode;
  if (snapshot) c.Scan.Status = 0;

  RunStats& stats = c.State.Stats;
  if (c.settings.Quick) {
    stats.BytesRead += static_cast<double>(request.size);
    return 0u;
  }
  if (!request.regular) return 0u;  // FIFOs, sockets and devices are never opened

  FileProgress progress(c.ui, request);
  platform::FileReader& reader = *c.Reader;
  bool& skipAll = c.settings.SkipAllFiles;
  const std::string_view name = fileName(request.nativePath);

  const RetryPrompt openPrompt{"Error opening : ", name, request.nativePath};
  switch (RetryFileStep(c.ui, skipAll, openPrompt, [&] { return OpenRequestedFile(reader, request); })) {
    case RetryResult::Done: break;
    case RetryResult::Skipped:
      c.Problems.Add(request.nativePath, FileProblemReason("skipped, could not be opened", reader.LastError()));
      return std::nullopt;
    case RetryResult::Aborted: return std::nullopt;
  }
  CloseOnExit closer{reader};

  const RetryPrompt readPrompt{"Error reading : ", name, request.nativePath};
  BlockChecksum checksum(c.State.CurrentChecksumKind, snapshot);
  std::uint8_t* const buffer = c.ReadBuffer.data();
  const std::size_t block = c.ReadBuffer.size();
  std::uint64_t total = 0;
  for (;;) {
    std::int64_t n = 0;
    switch (RetryFileStep(c.ui, skipAll, readPrompt, [&] { return (n = reader.read(buffer, block)) >= 0; })) {
      case RetryResult::Done: break;
      case RetryResult::Skipped:
        c.Problems.Add(request.nativePath, FileProblemReason("skipped, could not be read", reader.LastError()));
        return std::nullopt;
      case RetryResult::Aborted: return std::nullopt;
    }
    const auto count = static_cast<std::size_t>(n);
    stats.BytesRead += static_cast<double>(count);
    total += count;
    checksum.Add(buffer, count);
    progress.Read(total);
    c.Progress.Pump();
    if (c.Aborted()) return std::nullopt;
    if (count != block) break;
  }

  if (snapshot) c.Scan.Status = checksum.SnapshotCrc16();
  return checksum.Value();
}

}  // namespace quorvane
