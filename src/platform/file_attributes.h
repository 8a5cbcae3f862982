#pragma once
#include <cstdint>

namespace quorvane::platform {

// DOS attribute bits, the form in which every file's attributes are held.
enum FileAttribute : std::uint8_t {
  faReadOnly = 0x01,
  faHidden = 0x02,
  faSystem = 0x04,
  faVolumeId = 0x08,
  faDirectory = 0x10,
  faArchive = 0x20,
};

}  // namespace quorvane::platform
