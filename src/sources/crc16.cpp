#include "sources/crc16.h"

#include "sources/crc_engine.h"
#include "sources/crc_folding.h"

namespace quorvane {

namespace {

constexpr std::array<std::uint16_t, 256> makeTable() {
  std::array<std::uint16_t, 256> table{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t c = i;
    for (int bit = 0; bit < 8; ++bit) c = c & 1 ? (c >> 1) ^ 0xA001u : c >> 1;
    table[i] = static_cast<std::uint16_t>(c);
  }
  return table;
}

constexpr crc_folding::FoldConstants kFolding = crc_folding::foldConstants(0x8005u, 16);

// The register is kept in 32 bits (high half 0) so that the folding can share it.
std::uint32_t byTable(std::uint32_t crc, const std::uint8_t* bytes, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i) crc = (crc >> 8) ^ kCrc16Table[(crc ^ bytes[i]) & 0xFF];
  return crc;
}

}  // namespace

constinit const std::array<std::uint16_t, 256> kCrc16Table = makeTable();

std::uint16_t Crc16UpdateByTable(std::uint16_t crc, const void* bytes, std::size_t length) {
  return static_cast<std::uint16_t>(byTable(crc, static_cast<const std::uint8_t*>(bytes), length));
}

std::uint16_t Crc16Update(std::uint16_t crc, const void* bytes, std::size_t length) {
  const auto* p = static_cast<const std::uint8_t*>(bytes);
  if (length >= crc_folding::kMinimumLength && ActiveCrcEngine() == CrcEngine::CarrylessMultiply)
    return static_cast<std::uint16_t>(crc_folding::Fold(kFolding, crc, p, length, &byTable));
  return static_cast<std::uint16_t>(byTable(crc, p, length));
}

}  // namespace quorvane
