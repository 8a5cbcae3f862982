#pragma once
// The checksum of one directory file, computed while it is read.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/comparison.h"

namespace quorvane {

struct ChecksumRequest {
  std::string nativePath;        // full path on disk
  std::string_view relativePath;  // as shown in the progress window
  std::uint64_t size = 0;
  bool regular = true;            // special files are never opened
};

// The checksum of the current kind (0 when none is computed), or nullopt when the file
// was skipped or the run aborted. Adds the bytes read to BytesRead.
std::optional<std::uint32_t> ChecksumFile(Comparison& c, const ChecksumRequest& request);

}  // namespace quorvane
