// CRC-32 and CRC-16/ARC: the known values, and both engines against a bit-at-a-time
// reference on random data of every length up to 1,000 bytes and at every alignment.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "sources/crc16.h"
#include "sources/crc32.h"
#include "sources/crc_engine.h"

namespace quorvane {
namespace {

// Straight from the definition: one bit at a time, no table.
std::uint32_t bitwiseCrc(std::uint32_t crc, std::uint32_t reflectedPolynomial, const std::uint8_t* p, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    crc ^= p[i];
    for (int bit = 0; bit < 8; ++bit) crc = crc & 1 ? (crc >> 1) ^ reflectedPolynomial : crc >> 1;
  }
  return crc;
}

std::uint32_t referenceCrc32(std::uint32_t crc, const std::uint8_t* p, std::size_t n) {
  return bitwiseCrc(crc, 0xEDB88320u, p, n);
}
std::uint16_t referenceCrc16(std::uint16_t crc, const std::uint8_t* p, std::size_t n) {
  return static_cast<std::uint16_t>(bitwiseCrc(crc, 0xA001u, p, n));
}

const char* engineName(CrcEngine e) { return e == CrcEngine::Table ? "table" : "carry-less multiply"; }

// Runs each test once per engine this CPU has, and restores the start-up choice.
class CrcEngines : public ::testing::TestWithParam<CrcEngine> {
 protected:
  void SetUp() override {
    saved_ = ActiveCrcEngine();
    if (!UseCrcEngine(GetParam())) GTEST_SKIP() << "this CPU lacks PCLMULQDQ";
  }
  void TearDown() override { UseCrcEngine(saved_); }

 private:
  CrcEngine saved_ = CrcEngine::Table;
};

TEST(CrcTables, AreTheStandardTables) {
  EXPECT_EQ(kCrc32Table[0], 0u);
  EXPECT_EQ(kCrc32Table[1], 0x77073096u);
  EXPECT_EQ(kCrc32Table[128], 0xEDB88320u);
  EXPECT_EQ(kCrc32Table[255], 0x2D02EF8Du);
  EXPECT_EQ(kCrc16Table[1], 0xC0C1u);
  EXPECT_EQ(kCrc16Table[128], 0xA001u);
  EXPECT_EQ(kCrc16Table[255], 0x4040u);
}

TEST(CrcEngineChoice, CarrylessMultiplyOnlyWhereTheCpuHasIt) {
  const CrcEngine saved = ActiveCrcEngine();
  EXPECT_TRUE(UseCrcEngine(CrcEngine::Table));
  EXPECT_EQ(ActiveCrcEngine(), CrcEngine::Table);
  EXPECT_EQ(UseCrcEngine(CrcEngine::CarrylessMultiply), CarrylessMultiplyAvailable());
  EXPECT_EQ(ActiveCrcEngine(), CarrylessMultiplyAvailable() ? CrcEngine::CarrylessMultiply : CrcEngine::Table);
  UseCrcEngine(saved);
}

TEST_P(CrcEngines, KnownValues) {
  struct Case {
    std::string text;
    std::uint32_t crc32;  // after the final inversion
    std::uint16_t crc16;
  };
  const std::vector<Case> cases = {
      {"", 0x00000000u, 0x0000},
      {"abc", 0x352441C2u, 0x9738},
      {"123456789", 0xCBF43926u, 0xBB3D},
      {"The quick brown fox jumps over the lazy dog", 0x414FA339u, 0xFCDF},
      {std::string(100, 'a'), 0xAF707A64u, referenceCrc16(0, reinterpret_cast<const std::uint8_t*>(std::string(100, 'a').data()), 100)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Crc32Update(0xFFFFFFFFu, c.text.data(), c.text.size()) ^ 0xFFFFFFFFu, c.crc32)
        << engineName(GetParam()) << " \"" << c.text << "\"";
    EXPECT_EQ(Crc16Update(0, c.text.data(), c.text.size()), c.crc16) << engineName(GetParam()) << " \"" << c.text << "\"";
  }
}

TEST_P(CrcEngines, MatchReferenceOnEveryLengthAndAlignment) {
  std::mt19937 random(12345);
  std::vector<std::uint8_t> buffer(1000 + 64);
  for (auto& b : buffer) b = static_cast<std::uint8_t>(random());
  for (std::size_t length = 0; length <= 1000; ++length) {
    const std::size_t offset = random() % 64;
    const std::uint8_t* p = buffer.data() + offset;
    const std::uint32_t start32 = static_cast<std::uint32_t>(random());
    const std::uint16_t start16 = static_cast<std::uint16_t>(random());
    ASSERT_EQ(Crc32Update(start32, p, length), referenceCrc32(start32, p, length))
        << engineName(GetParam()) << " length " << length << " offset " << offset;
    ASSERT_EQ(Crc16Update(start16, p, length), referenceCrc16(start16, p, length))
        << engineName(GetParam()) << " length " << length << " offset " << offset;
    ASSERT_EQ(Crc32UpdateByTable(start32, p, length), referenceCrc32(start32, p, length)) << length;
    ASSERT_EQ(Crc16UpdateByTable(start16, p, length), referenceCrc16(start16, p, length)) << length;
  }
}

TEST_P(CrcEngines, LongBuffersInOneCallAndInBlocks) {
  // Whole 64 KiB multiples included: such a length is checksummed, never skipped.
  std::mt19937 random(777);
  std::vector<std::uint8_t> data(3 * 65536 + 4321);
  for (auto& b : data) b = static_cast<std::uint8_t>(random());
  for (std::size_t length : {std::size_t{65535}, std::size_t{65536}, std::size_t{131072}, data.size()}) {
    const std::uint32_t want32 = referenceCrc32(0xFFFFFFFFu, data.data(), length);
    const std::uint16_t want16 = referenceCrc16(0, data.data(), length);
    EXPECT_EQ(Crc32Update(0xFFFFFFFFu, data.data(), length), want32) << engineName(GetParam()) << " " << length;
    EXPECT_EQ(Crc16Update(0, data.data(), length), want16) << engineName(GetParam()) << " " << length;

    std::uint32_t blocks32 = 0xFFFFFFFFu;
    std::uint16_t blocks16 = 0;
    for (std::size_t at = 0; at < length; at += 65535) {
      const std::size_t n = std::min<std::size_t>(65535, length - at);
      blocks32 = Crc32Update(blocks32, data.data() + at, n);
      blocks16 = Crc16Update(blocks16, data.data() + at, n);
    }
    EXPECT_EQ(blocks32, want32) << engineName(GetParam()) << " in blocks, " << length;
    EXPECT_EQ(blocks16, want16) << engineName(GetParam()) << " in blocks, " << length;
  }
}

INSTANTIATE_TEST_SUITE_P(BothEngines, CrcEngines, ::testing::Values(CrcEngine::Table, CrcEngine::CarrylessMultiply),
                         [](const auto& info) {
                           return info.param == CrcEngine::Table ? std::string("Table")
                                                                 : std::string("CarrylessMultiply");
                         });

}  // namespace
}  // namespace quorvane
