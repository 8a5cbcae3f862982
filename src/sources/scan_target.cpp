#include "sources/scan_target.h"

#include "engine/add_file.h"
#include "sources/file_checksum.h"
#include "sources/path_rewrite.h"

namespace quorvane {

void ComparisonScanTarget::Pump() { c_.Progress.Pump(); }

void ComparisonScanTarget::ShowFileBeingRead(std::string_view relativePath) { c_.ui.progressCurrentFile(relativePath); }

void ComparisonScanTarget::ShowFileBar(int percent) { c_.ui.progressBar(percent); }

void ComparisonScanTarget::DirectoryListed(std::string_view nativePath) { c_.ui.progressCurrentPath(side_, nativePath); }

void ComparisonScanTarget::Problem(std::string path, std::string reason) {
  c_.Problems.Add(std::move(path), std::move(reason));
}

void ComparisonScanTarget::FileSkipped() { ++c_.State.Stats.FilesSkipped; }

void ComparisonScanTarget::ReadFile(const WalkedFile& f) {
  ChecksumRequest request;
  request.nativePath = std::string(f.nativePath);
  request.directory = f.directory.get();
  request.relativePath = f.relativePath;
  request.size = f.facts.size;
  request.regular = f.regular;
  add(f.relativePath, f.facts, ChecksumFile(c_, request));
}

void ComparisonScanTarget::FileRead(const WalkedFile& f, std::uint32_t checksum, std::uint16_t snapshotCrc16,
                                    std::uint64_t bytesRead) {
  c_.State.Stats.BytesRead += static_cast<double>(bytesRead);
  if (c_.State.SnapshotMode) c_.Scan.Status = snapshotCrc16;
  add(f.relativePath, f.facts, checksum);
}

void ComparisonScanTarget::FileDropped(const WalkedFile& f) { add(f.relativePath, f.facts, std::nullopt); }

void ComparisonScanTarget::add(std::string_view relativePath, const ListedFile& f,
                               const std::optional<std::uint32_t>& checksum) {
  if (!checksum || c_.Aborted()) {
    ++c_.State.Stats.FilesSkipped;
    return;
  }
  ScanRecord& s = c_.Scan;
  s.Path = RewritePath(relativePath, c_.settings);
  if (side_ == Side::New) {
    s.NewCRC = *checksum;
    s.NewTime = f.time;
    s.NewSize = f.size;
    s.NewAttr = f.attributes & 0x3F;
    s.NewAlias = -1;
  } else {
    s.OldCRC = *checksum;
    s.OldTime = f.time;
    s.OldSize = f.size;
    s.OldAttr = f.attributes & 0x3F;
    s.OldAlias = -1;
  }
  AddFile(c_, side_);
}

}  // namespace quorvane
