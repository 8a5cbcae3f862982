#include "sources/old_set_prefetch.h"

#include <optional>
#include <utility>

#include "sources/file_checksum.h"

namespace quorvane {

namespace {

std::atomic<bool> enabled{true};
std::atomic<std::uint64_t> lastBytes{0}, lastFiles{0}, lastPeak{0};

}  // namespace

// The worker's scan target: records, and reads the files the walk would read on the spot
// without asking anything; what it cannot read is left for the calling thread.
class OldSetPrefetch::Recorder : public ScanTarget {
 public:
  explicit Recorder(OldSetPrefetch& owner)
      : owner_(owner), stream_(owner.stream_), reader_(owner.readers_->another()) {}

  bool Aborted() const override { return owner_.cancel_.load(std::memory_order_relaxed); }
  void DirectoryListed(std::string_view nativePath) override { stream_.Directory(nativePath); }
  void Problem(std::string path, std::string reason) override { stream_.Problem(path, reason); }
  void FileSkipped() override { stream_.FileSkipped(); }

  void ReadFile(const WalkedFile& f) override {
    if (owner_.setup_.Quick) {
      stream_.File(f.relativePath, f.facts, 0, f.facts.size);
      return;
    }
    if (!f.regular) {  // never opened
      stream_.File(f.relativePath, f.facts, 0, 0);
      return;
    }
    std::uint32_t checksum = 0;
    std::uint64_t bytesRead = 0;
    if (readQuietly(f, checksum, bytesRead))
      stream_.File(f.relativePath, f.facts, checksum, bytesRead);
    else if (!Aborted())
      FileFailed(f);
  }

  void FileRead(const WalkedFile& f, std::uint32_t checksum, std::uint16_t, std::uint64_t bytesRead) override {
    stream_.File(f.relativePath, f.facts, checksum, bytesRead);
  }
  void FileFailed(const WalkedFile& f) override { stream_.Unread(f); }
  void FileDropped(const WalkedFile&) override {}  // only when stopped: nothing is replayed then

 private:
  // Reads and checksums the file as ChecksumFile would; false when it could not be
  // opened or read (a reader that throws included: the calling thread meets it again).
  bool readQuietly(const WalkedFile& f, std::uint32_t& checksum, std::uint64_t& bytesRead) {
    if (Aborted()) return false;
    const std::string nativePath(f.nativePath);
    try {
      const QuietRead result = ReadFileQuietly(*reader_, f.directory.get(), nativePath, owner_.setup_.Kind, false,
                                               buffer_, [this](std::uint64_t) { return !Aborted(); });
      checksum = result.checksum;
      bytesRead = result.bytesRead;
      return result.outcome == QuietRead::Outcome::Done;
    } catch (...) {
      return false;
    }
  }

  OldSetPrefetch& owner_;
  ScanStream& stream_;
  std::unique_ptr<platform::FileReader> reader_;
  std::vector<std::uint8_t> buffer_ = std::vector<std::uint8_t>(Comparison::kReadBufferSize);
};

void OldSetPrefetch::SetEnabled(bool on) { enabled = on; }

OldSetPrefetch::StreamFigures OldSetPrefetch::LastStreamFigures() {
  return {lastBytes.load(), lastFiles.load(), lastPeak.load()};
}

bool OldSetPrefetch::AppliesTo(const Comparison& c) {
  return enabled.load() && c.State.OldSet.Kind == SetKind::Directory && !c.State.SnapshotMode && !c.settings.Pause;
}

OldSetPrefetch::OldSetPrefetch(const Comparison& c)
    : readers_(c.Reader->another()),
      setup_(WalkSetup::Of(c)),
      root_(c.State.OldSet.Root),
      stream_(!c.settings.Quick) {
  setup_.Readers = readers_.get();
  setup_.WalksAtOnce = 2;
  if (c.IncludeDirs.Empty())
    starts_.emplace_back();
  else
    for (const std::string& dir : c.IncludeDirs.Items()) starts_.push_back(dir);
  worker_ = std::thread(&OldSetPrefetch::run, this);
}

OldSetPrefetch::~OldSetPrefetch() { stop(); }

void OldSetPrefetch::stop() {
  cancel_ = true;
  stream_.Cancel();
  if (!worker_.joinable()) return;
  worker_.join();
  lastBytes = stream_.BytesWritten();
  lastFiles = stream_.FilesWritten();
  lastPeak = stream_.PeakBytesHeld();
}

void OldSetPrefetch::run() {
  Recorder recorder(*this);
  try {
    for (const std::string& start : starts_) {
      if (recorder.Aborted()) break;
      WalkDirectoryTree(recorder, setup_, root_, start);
    }
  } catch (...) {
    stream_.Failure(std::current_exception());
  }
  stream_.Finish();
}

void OldSetPrefetch::Replay(Comparison& c) {
  struct StopOnExit {
    OldSetPrefetch& p;
    ~StopOnExit() { p.stop(); }
  } stopper{*this};
  ComparisonScanTarget target(c, Side::Old);
  static const std::shared_ptr<const platform::DirectoryHandle> kNoDirectory;
  ScanStream::Event e;
  while (!c.Aborted() && stream_.Next(e)) {
    switch (e.kind) {
      case ScanStream::Kind::Directory: target.DirectoryListed(e.text); break;
      case ScanStream::Kind::Problem: target.Problem(std::string(e.text), std::string(e.reason)); break;
      case ScanStream::Kind::FileSkipped: target.FileSkipped(); break;
      case ScanStream::Kind::File:
        target.FileRead(WalkedFile{kNoDirectory, {}, e.text, e.facts, true}, e.checksum, 0, e.bytesRead);
        break;
      case ScanStream::Kind::Unread: {
        const ScanStream::UnreadFile u = std::move(e.unread);
        e.unread = {};
        target.FileFailed(WalkedFile{u.directory, u.nativePath, u.relativePath, u.facts, u.regular});
        break;
      }
    }
  }
}

}  // namespace quorvane
