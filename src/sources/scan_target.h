#pragma once
// Where a directory walk reports what it meets, in the order it meets it. The walk of the
// calling thread reports straight into the comparison (ComparisonScanTarget); a walk on a
// worker thread reports into a recorder that the calling thread replays later through a
// ComparisonScanTarget, so both walks share one code path and give the same results.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/comparison.h"
#include "platform/directory_handle.h"

namespace quorvane {

// The facts of a file as listed.
struct ListedFile {
  std::uint32_t time = 0;
  std::uint8_t attributes = 0;
  std::uint64_t size = 0;  // 0 for a file that is not regular
};

// A file that passed the attribute rules and the masks.
struct WalkedFile {
  const std::shared_ptr<const platform::DirectoryHandle>& directory;  // the open directory holding it
  std::string_view nativePath;    // the directory's path + the file's name
  std::string_view relativePath;  // held form below the set root
  ListedFile facts;
  bool regular = true;  // special files are never opened
};

class ScanTarget {
 public:
  virtual ~ScanTarget() = default;

  // Whether the walk should stop.
  virtual bool Aborted() const = 0;
  // While the walk waits for files read ahead: keeps the window alive and shows the
  // large file being waited for (its relative path, "" when none) and its bar.
  virtual void Pump() {}
  virtual void ShowFileBeingRead(std::string_view) {}
  virtual void ShowFileBar(int) {}

  // A directory about to be listed (its path without the closing "/").
  virtual void DirectoryListed(std::string_view nativePath) = 0;
  virtual void Problem(std::string path, std::string reason) = 0;
  // A file that cannot be compared at all, counted in FilesSkipped (its problem follows).
  virtual void FileSkipped() = 0;
  // A file to be read (checksummed) now, then added.
  virtual void ReadFile(const WalkedFile& f) = 0;
  // A file read ahead: its checksum and the bytes read.
  virtual void FileRead(const WalkedFile& f, std::uint32_t checksum, std::uint16_t snapshotCrc16,
                        std::uint64_t bytesRead) = 0;
  // A file the read-ahead could not open or read: read again where prompts can be shown.
  virtual void FileFailed(const WalkedFile& f) { ReadFile(f); }
  // A file dropped because the walk was stopped.
  virtual void FileDropped(const WalkedFile& f) = 0;
};

// Reports into the comparison on the calling thread: prompts, progress, problems,
// counters and AddFile through c.Scan.
class ComparisonScanTarget : public ScanTarget {
 public:
  ComparisonScanTarget(Comparison& c, Side side) : c_(c), side_(side) {}

  bool Aborted() const override { return c_.Aborted(); }
  void Pump() override;
  void ShowFileBeingRead(std::string_view relativePath) override;
  void ShowFileBar(int percent) override;
  void DirectoryListed(std::string_view nativePath) override;
  void Problem(std::string path, std::string reason) override;
  void FileSkipped() override;
  void ReadFile(const WalkedFile& f) override;
  void FileRead(const WalkedFile& f, std::uint32_t checksum, std::uint16_t snapshotCrc16,
                std::uint64_t bytesRead) override;
  void FileDropped(const WalkedFile& f) override;

 private:
  void add(std::string_view relativePath, const ListedFile& facts, const std::optional<std::uint32_t>& checksum);

  Comparison& c_;
  Side side_;
};

}  // namespace quorvane
