#pragma once
// The checksum of one directory file, computed while it is read.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/comparison.h"
#include "platform/directory_handle.h"

namespace quorvane {

struct ChecksumRequest {
  std::string nativePath;        // full path on disk, for messages
  // The open directory holding the file, whose path nativePath begins with: the file is
  // opened relative to it. Null: opened by nativePath.
  const platform::DirectoryHandle* directory = nullptr;
  std::string_view relativePath;  // as shown in the progress window
  std::uint64_t size = 0;
  bool regular = true;            // special files are never opened
};

// Files above this size show their path and their own progress bar while read.
inline constexpr std::uint64_t kFileProgressThreshold = 196'605;

// Reads the file through c.Reader in blocks of c.ReadBuffer's size and returns its
// checksum of the current kind (CRC-32 for 32, CRC-16 for 16, 0 for none); in snapshot
// mode it returns the CRC-32 and leaves the CRC-16 in c.Scan.Status. With Quick on, or
// for a file that is not regular, nothing is opened and the checksum is 0. Adds the
// bytes read (with Quick: the size) to BytesRead. An open or read error asks Retry /
// Skip / Skip all / Abort (skipped silently when SkipAllFiles is on); nullopt when the
// file was skipped or the run aborted. A skipped file is one of c.Problems.
std::optional<std::uint32_t> ChecksumFile(Comparison& c, const ChecksumRequest& request);

// Opens the file of the request through reader, relative to its directory when it has one.
bool OpenRequestedFile(platform::FileReader& reader, const ChecksumRequest& request);
// The same for a file at nativePath inside directory (null: opened by nativePath).
bool OpenFileIn(platform::FileReader& reader, const platform::DirectoryHandle* directory, const std::string& nativePath);

// What reading a whole file without prompts gave.
struct QuietRead {
  enum class Outcome { Done, Failed, Stopped };
  Outcome outcome = Outcome::Failed;
  std::uint32_t checksum = 0;
  std::uint16_t snapshotCrc16 = 0;
  std::uint64_t bytesRead = 0;
};

// Reads the regular file at nativePath inside directory through reader to its end, in
// blocks of buffer's size, into a checksum of kind, showing nothing and asking nothing
// (the read-ahead threads). After each full block, goOn(bytes so far) may stop the read
// (Stopped). Failed when the file could not be opened or read. The reader is closed
// however the read ends; an exception from the reader travels on.
QuietRead ReadFileQuietly(platform::FileReader& reader, const platform::DirectoryHandle* directory,
                          const std::string& nativePath, ChecksumKind kind, bool snapshot,
                          std::vector<std::uint8_t>& buffer, const std::function<bool(std::uint64_t)>& goOn);

// The reason a file could not be opened or read, for c.Problems: what failed, then the
// operating system's reason when the reader knows it.
std::string FileProblemReason(const char* failed, int error);

}  // namespace quorvane
