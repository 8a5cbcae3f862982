#pragma once
// The checksum of one file as its blocks go by: CRC-32 for Crc32, CRC-16 for Crc16,
// nothing for None, and both in snapshot mode.
#include <cstddef>
#include <cstdint>

#include "engine/checksum_kind.h"
#include "sources/crc16.h"
#include "sources/crc32.h"

namespace quorvane {

class BlockChecksum {
 public:
  BlockChecksum(ChecksumKind kind, bool snapshot)
      : crc32_(snapshot || kind == ChecksumKind::Crc32), crc16_(snapshot || kind == ChecksumKind::Crc16),
        snapshot_(snapshot) {}

  void Add(const std::uint8_t* bytes, std::size_t length) {
    if (crc32_) value32_ = Crc32Update(value32_, bytes, length);
    if (crc16_) value16_ = Crc16Update(value16_, bytes, length);
  }

  // The file's checksum: the CRC-32 (inverted) for Crc32 and in snapshot mode, the
  // CRC-16 for Crc16, 0 for None.
  std::uint32_t Value() const {
    if (crc32_) return ~value32_;
    return crc16_ ? value16_ : 0u;
  }
  // The CRC-16 that snapshot mode keeps beside the CRC-32 (0 otherwise).
  std::uint16_t SnapshotCrc16() const { return snapshot_ ? value16_ : 0; }

 private:
  bool crc32_;
  bool crc16_;
  bool snapshot_;
  std::uint32_t value32_ = 0xFFFFFFFFu;
  std::uint16_t value16_ = 0;
};

}  // namespace quorvane
