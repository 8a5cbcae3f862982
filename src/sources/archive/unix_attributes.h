#pragma once
#include <cstdint>

#include "platform/file_attributes.h"

namespace quorvane {

// Unix mode bits (RAR and ARJ archives made on Unix) as DOS attributes: directory for
// 0x4000, read-only when the owner write bit 0x0080 is missing, nothing else.
inline std::uint8_t DosAttributesOfUnixMode(std::uint32_t mode) {
  std::uint8_t attributes = 0;
  if (mode & 0x4000) attributes |= platform::faDirectory;
  if ((mode & 0x0080) == 0) attributes |= platform::faReadOnly;
  return attributes;
}

}  // namespace quorvane
