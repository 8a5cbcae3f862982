#include "sources/crc32.h"

#include "sources/crc_engine.h"
#include "sources/crc_folding.h"

namespace quorvane {

namespace {

constexpr std::array<std::uint32_t, 256> makeTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t c = i;
    for (int bit = 0; bit < 8; ++bit) c = c & 1 ? (c >> 1) ^ 0xEDB88320u : c >> 1;
    table[i] = c;
  }
  return table;
}

constexpr crc_folding::FoldConstants kFolding = crc_folding::foldConstants(0x04C11DB7u, 32);

std::uint32_t byTable(std::uint32_t crc, const std::uint8_t* bytes, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i) crc = (crc >> 8) ^ kCrc32Table[(crc ^ bytes[i]) & 0xFF];
  return crc;
}

}  // namespace

constinit const std::array<std::uint32_t, 256> kCrc32Table = makeTable();

std::uint32_t Crc32UpdateByTable(std::uint32_t crc, const void* bytes, std::size_t length) {
  return byTable(crc, static_cast<const std::uint8_t*>(bytes), length);
}

std::uint32_t Crc32Update(std::uint32_t crc, const void* bytes, std::size_t length) {
  const auto* p = static_cast<const std::uint8_t*>(bytes);
  if (length >= crc_folding::kMinimumLength && ActiveCrcEngine() == CrcEngine::CarrylessMultiply)
    return crc_folding::Fold(kFolding, crc, p, length, &byTable);
  return byTable(crc, p, length);
}

}  // namespace quorvane
